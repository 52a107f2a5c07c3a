#include "kesto/gui/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "kesto/gui/qt_ui.h"

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
    return QDir(QCoreApplication::applicationDirPath()).filePath("help");
}

bool ShowHelpContents(QWidget* parent) {
    return ShowHelpPage(parent, "index.html");
}

bool ShowHelpSearch(QWidget* parent) {
    return ShowHelpPage(parent, "search.html");
}

bool ShowHelpAbout(QWidget* parent) {
    return ShowHelpPage(parent, "about.html");
}

}  // namespace kesto::gui
