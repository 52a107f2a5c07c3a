#pragma once
// The desktop program's application object. A failure that no command caught (running out of
// memory, an error thrown in an event handler) reaches the general error report, a message
// box with the error's text, and the program keeps running.

#include <QApplication>
#include <functional>
#include <string>

namespace kesto::gui {

class KestoApplication : public QApplication {
  public:
    // Shows a report's text to the user; tests record it instead.
    using Report = std::function<void(const std::string& text)>;

    // argc must outlive the application, as for every QApplication.
    KestoApplication(int& argc, char** argv, Report report = ShowErrorReport);

    // Delivers the event; a failure thrown while it is handled goes to the report and the
    // event counts as not handled.
    bool notify(QObject* receiver, QEvent* event) override;

    // The general error report: a modal message box with text (Windows-1252).
    static void ShowErrorReport(const std::string& text);

    // Reports the failure that is being handled (call inside a catch block).
    void ReportCurrentFailure();

  private:
    Report report_;
    // A failure while a report is on the screen is not stacked on top of it.
    bool reporting_ = false;
};

}  // namespace kesto::gui
