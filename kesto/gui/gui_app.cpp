#include "kesto/gui/gui_app.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "kesto/gui/kesto_application.h"
#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/screenshots.h"
#include "kesto/gui/window_place.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/clock.h"
#include "kesto/platform/display.h"

namespace kesto::gui {

namespace {

// What Qt says while the application starts. A platform that cannot start ends in Qt's fatal
// message, an abort and a page of advice; the program prints its one line instead, why from
// the platform's messages, and ends with status 1. The messages of a start that succeeds are
// passed on afterwards, as Qt would have shown them.
struct QtStart {
    struct Held {
        QtMsgType type;
        const char* category;  // Qt's categories are names of static lifetime
        QString text;
    };
    QtMessageHandler previous = nullptr;
    std::vector<std::string> said;
    std::vector<Held> held;
};
QtStart* qtStart = nullptr;

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool platform =
        context.category != nullptr && std::string_view(context.category).starts_with("qt.qpa");
    if (type == QtFatalMsg) {
        qtStart->said.push_back(text.toStdString());
        const std::string line = NoWindowLine(QtStartFailureReason(qtStart->said)) + "\n";
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);  // mid-start: nothing is open or unsaved yet
    }
    if (platform) {
        qtStart->said.push_back(text.toStdString());
    }
    qtStart->held.push_back({type, context.category, text});
}

int StartAndRun(const std::string& settingsPath, const std::string& screenshotFolder,
                const std::string& dealFile) {
    // The program's face: Arial (or its metric twin) at 12 pixels, dialogs as the window.
    QFont font("Arial");
    font.setPixelSize(12);
    QApplication::setFont(font);

    const std::unique_ptr<Clock> clock = MakeSystemClock();
    LanguageTable languages;
    languages.LoadFromSettings(SettingsFile{settingsPath});
    MainWindow window(*clock, languages, settingsPath);
    const bool started = window.FormCreate();
    // The options dialog comes next, also when start-up ends the program (destroying it
    // writes its settings); it lives for the whole run: Options menu, printing and HTML.
    OptionDialogWidget options(languages, nullptr, settingsPath);
    window.SetOptionsDialog(&options);
    if (!started) {
        return 1;
    }
    window.show();
    if (!screenshotFolder.empty()) {
        const bool saved =
            SaveScreenshots(window, &options, QString::fromStdString(screenshotFolder));
        return saved ? 0 : 1;
    }
    if (!dealFile.empty()) {
        // Once the window is up, so that its messages stand over it.
        QTimer::singleShot(0, &window,
                           [&window, &dealFile] { window.Core().OpenDealFile(dealFile); });
    }
    return QApplication::exec();
}

}  // namespace

int RunGui(int argc, char** argv, const std::string& settingsPath,
           const std::string& screenshotFolder, const std::string& dealFile) {
    QtStart start;
    qtStart = &start;
    start.previous = qInstallMessageHandler(HoldStartMessage);
    KestoApplication app(argc, argv);
    qInstallMessageHandler(start.previous);
    qtStart = nullptr;
    for (const QtStart::Held& message : start.held) {
        start.previous(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                       message.text);
    }
    QApplication::setApplicationName("Kesto");
    QApplication::setWindowIcon(KestoWindowIcon());
    QGuiApplication::setDesktopFileName("kesto");  // the menu entry, for the window's icon
    // Failures while the window runs are reported by the application and the program goes
    // on; one that stops the start itself (or escapes the message loop) is reported here and
    // ends the program.
    try {
        return StartAndRun(settingsPath, screenshotFolder, dealFile);
    } catch (...) {
        app.ReportCurrentFailure();
        return 1;
    }
}

}  // namespace kesto::gui
