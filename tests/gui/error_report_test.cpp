// The window's general error report: a failure thrown while an event is handled is shown as
// a report and the program goes on handling events. The suite runs under the program's own
// application object, with a report that records instead of showing a message box.

#include <QTest>
#include <QTimer>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "kesto/gui/kesto_application.h"
#include "kesto/platform/error_report.h"

namespace {

std::vector<std::string> reports;

// Throws what it is told to when it gets a user event.
class Thrower : public QObject {
  public:
    enum class What { Nothing, OutOfMemory, Runtime, Number };
    What what = What::Nothing;
    int handled = 0;

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        switch (what) {
            case What::OutOfMemory:
                throw std::bad_alloc();
            case What::Runtime:
                throw std::runtime_error("the printer went away");
            case What::Number:
                throw 42;
            case What::Nothing:
                break;
        }
        ++handled;
        return true;
    }
};

class ErrorReportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { reports.clear(); }

    void EveryFailureIsReportedAndTheNextEventIsHandled() {
        struct Case {
            Thrower::What what;
            std::string report;
        };
        const Case cases[] = {
            {Thrower::What::OutOfMemory, std::string(kesto::kOutOfMemoryText)},
            {Thrower::What::Runtime,
             "An unexpected error stopped this command: the printer went away"},
            {Thrower::What::Number, "An unexpected error stopped this command."},
        };
        for (const Case& c : cases) {
            reports.clear();
            Thrower thrower;
            thrower.what = c.what;
            QEvent failing(QEvent::User);
            QCOMPARE(QCoreApplication::sendEvent(&thrower, &failing), false);
            QCOMPARE(reports, std::vector<std::string>{c.report});
            thrower.what = Thrower::What::Nothing;
            QEvent next(QEvent::User);
            QVERIFY(QCoreApplication::sendEvent(&thrower, &next));
            QCOMPARE(thrower.handled, 1);
        }
    }

    // A command run from the message loop (a timer here, a button click in the window) that
    // runs out of memory is reported, and the loop goes on to the next event.
    void AFailureInTheMessageLoopDoesNotEndIt() {
        Thrower thrower;
        thrower.what = Thrower::What::OutOfMemory;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        // A slot that fails, as a button's command would.
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
