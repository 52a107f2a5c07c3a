// The window's general error report: a failure thrown while an event is handled is reported
// and the program goes on handling events. The suite runs under the program's application
// object, with a report that records instead of showing a message box.

#include <QTest>
#include <QTimer>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "kesto/gui/kesto_application.h"
#include "kesto/platform/error_report.h"

namespace {

std::vector<std::string> reports;

// Runs its command when it gets a user event, as a window runs a command on a click.
class Receiver : public QObject {
  public:
    std::function<void()> command;
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) {
            return QObject::event(event);
        }
        command();
        return true;
    }
};

class ErrorReportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { reports.clear(); }

    void EveryFailureIsReportedAndTheNextEventIsHandled() {
        const std::pair<std::function<void()>, std::string> cases[] = {
            {[] { throw std::bad_alloc(); }, std::string(kesto::kOutOfMemoryText)},
            {[] { throw std::runtime_error("the printer went away"); },
             "An unexpected error stopped this command: the printer went away"},
            {[] { throw 42; }, "An unexpected error stopped this command."},
        };
        for (const auto& [command, report] : cases) {
            reports.clear();
            Receiver receiver;
            receiver.command = command;
            QEvent failing(QEvent::User);
            QCOMPARE(QCoreApplication::sendEvent(&receiver, &failing), false);
            QCOMPARE(reports, std::vector<std::string>{report});
            receiver.command = [] {};
            QEvent next(QEvent::User);
            QVERIFY(QCoreApplication::sendEvent(&receiver, &next));
        }
    }

    // From the message loop: a posted event and a timer's slot fail, the loop goes on.
    void AFailureInTheMessageLoopDoesNotEndIt() {
        Receiver receiver;
        receiver.command = [] { throw std::bad_alloc(); };
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        QTimer::singleShot(0, [] { throw std::length_error("vector::reserve"); });
        bool later = false;
        QTimer::singleShot(0, [&later] { later = true; });
        QTRY_VERIFY(later);
        QCOMPARE(reports, (std::vector<std::string>{
                              std::string(kesto::kOutOfMemoryText),
                              "An unexpected error stopped this command: vector::reserve"}));
    }
};

}  // namespace

int main(int argc, char** argv) {
    kesto::gui::KestoApplication app(argc, argv,
                                     [](const std::string& text) { reports.push_back(text); });
    ErrorReportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "error_report_test.moc"
