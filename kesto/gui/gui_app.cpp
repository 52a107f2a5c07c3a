#include "kesto/gui/gui_app.h"

#include <QApplication>

#include "kesto/gui/kesto_application.h"
#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/clock.h"

namespace kesto::gui {

namespace {

int StartAndRun(const std::string& settingsPath, const std::string& screenshotFolder) {
    // The program's face: Arial (or its metric twin) at 12 pixels, dialogs as the window.
    QFont font("Arial");
    font.setPixelSize(12);
    QApplication::setFont(font);

    const std::unique_ptr<Clock> clock = MakeSystemClock();
    LanguageTable languages;
    {
        SettingsStore store(settingsPath);
        languages.LoadFromSettings(store);
    }
    MainWindow window(*clock, languages, settingsPath);
    const bool started = window.FormCreate();
    // The options dialog comes next, also when start-up ends the program (destroying it
    // writes its settings); it lives for the whole run: Options menu, printing and HTML.
    OptionDialogWidget options(languages, nullptr, settingsPath);
    window.SetOptionsDialog(&options);
    if (!started)
        return 1;
    window.show();
    if (!screenshotFolder.empty()) {
        const bool saved = window.SaveScreenshots(QString::fromStdString(screenshotFolder));
        return saved ? 0 : 1;
    }
    return QApplication::exec();
}

}  // namespace

int RunGui(int argc, char** argv, const std::string& settingsPath,
           const std::string& screenshotFolder) {
    KestoApplication app(argc, argv);
    QApplication::setApplicationName("Kesto");
    // Failures while the window runs are reported by the application and the program goes
    // on; one that stops the start itself (or escapes the message loop) is reported here and
    // ends the program.
    try {
        return StartAndRun(settingsPath, screenshotFolder);
    } catch (...) {
        app.ReportCurrentFailure();
        return 1;
    }
}

}  // namespace kesto::gui
