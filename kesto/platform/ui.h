#pragma once
// What the core asks of the user interface that every command shares: message dialogs,
// the beep and the common file dialogs. Texts are Windows-1252, file names the system's bytes
// (a message may hold both: MessageToUtf8). The Qt shell implements it; tests use a scripted
// fake.

#include <string>

namespace kesto {

enum class MessageKind { Error, Warning, Information, Confirmation, Plain };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    // "Text|pattern|Text|pattern..." as the filter lists of the program are written.
    std::string filter;
    int filterIndex = 1;           // from 1
    std::string defaultExtension;  // without the dot
    // The folder it opens in; empty, or a folder that is gone, opens the documents folder.
    std::string initialDirectory;
    std::string initialFileName;   // the name it suggests, without a folder (save dialogs)
    bool promptOverwrite = false;  // save dialogs
    bool mustExist = false;        // open dialogs
};

struct FileDialogResult {
    bool accepted = false;
    std::string fileName;
    int filterIndex = 1;
};

class Ui {
  public:
    virtual ~Ui() = default;
    virtual Answer ShowMessage(MessageKind kind, const std::string& text,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    virtual void Beep() = 0;
    virtual FileDialogResult OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual FileDialogResult SaveFileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace kesto
