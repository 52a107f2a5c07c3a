#include "kesto/gui/help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"
#include "kesto/platform/program_files.h"

namespace kesto::gui {

namespace {

bool ShowHelpPage(QWidget* parent, const QString& page) {
    const QString path = QDir(HelpFolder()).filePath(page);
    if (!QFileInfo(path).isFile()) {
        ShowQtNotice(parent, QMessageBox::Warning, "Kesto",
                     "The help file " + QDir::toNativeSeparators(path) +
                         " was not found. Reinstalling Kesto puts it back.");
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ShowQtNotice(parent, QMessageBox::Warning, "Kesto",
                     "Kesto could not start a web browser to show the help file " +
                         QDir::toNativeSeparators(path) + ".");
        return false;
    }
    return true;
}

}  // namespace

QString HelpFolder() {
    return FileNameToQString(ProgramDataFolder() + "help");
}

bool ShowHelpContents(QWidget* parent) {
    return ShowHelpPage(parent, "index.html");
}

bool ShowHelpSearch(QWidget* parent) {
    return ShowHelpPage(parent, "search.html");
}

bool ShowHelpPlans(QWidget* parent) {
    return ShowHelpPage(parent, "plans.html");
}

bool ShowHelpAbout(QWidget* parent) {
    return ShowHelpPage(parent, "about.html");
}

}  // namespace kesto::gui
