#pragma once
// Shared by the deal file tests: the worked example deal, file bytes, and
// a scripted user interface that records what it was asked.

#include <deque>
#include <string>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/platform/ui.h"
#include "tests/support/shown_message.h"
#include "tests/support/worked_example.h"

namespace kesto::test {

// The worked example's hands one seat round: a second, different complete deal.
tDeal RotatedExampleDeal();
// count complete deals from a fixed seed.
tBoardSet RandomBoards(int count, std::uint32_t seed = 20261208);

std::string DataPath(const std::string& relative);  // under tests/data
// The deals of the "[Deal ...]" lines of a PBN listing that another program wrote beside its
// other files: what those files hold.
tBoardSet PbnDeals(const std::string& path);
std::string FileBytes(const std::string& path);
void PutFile(const std::string& path, const std::string& bytes);
// The text's lines, each ended by CR LF (a line without one fails the test).
std::vector<std::string> CrLfLines(const std::string& text);

// Answers file dialogs from a queue (an empty queue cancels) and every message with the
// first button; records every request.
class FakeUi : public Ui {
  public:
    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override;
    void Beep() override { ++beeps; }
    FileDialogResult OpenFileDialog(const FileDialogRequest& request) override;
    FileDialogResult SaveFileDialog(const FileDialogRequest& request) override;

    std::deque<FileDialogResult> dialogAnswers;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::vector<ShownMessage> messages;
    int beeps = 0;

  private:
    FileDialogResult NextAnswer();
};

}  // namespace kesto::test
