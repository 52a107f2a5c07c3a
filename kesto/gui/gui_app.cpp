#include "kesto/gui/gui_app.h"

#include <QApplication>
#include <QMainWindow>

namespace kesto::gui {

int RunGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kesto");
    QMainWindow window;
    window.setWindowTitle("Kesto");
    window.show();
    return QApplication::exec();
}

}  // namespace kesto::gui
