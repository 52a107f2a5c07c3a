#include "kesto/gui/kesto_application.h"

#include <QMessageBox>
#include <exception>
#include <utility>

#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"
#include "kesto/platform/error_report.h"

namespace kesto::gui {

KestoApplication::KestoApplication(int& argc, char** argv, Report report)
    : QApplication(argc, argv), report_(std::move(report)) {}

bool KestoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentFailure();
        return false;
    }
}

void KestoApplication::ReportCurrentFailure() {
    if (reporting_) {
        return;
    }
    reporting_ = true;
    try {
        report_(ErrorReportText(std::current_exception()));
    } catch (...) {
        // Nothing more can be said; the program goes on.
    }
    reporting_ = false;
}

void KestoApplication::ShowErrorReport(const std::string& text) {
    ShowQtNotice(nullptr, QMessageBox::Critical, QStringLiteral("Kesto"), MessageToQString(text));
}

}  // namespace kesto::gui
