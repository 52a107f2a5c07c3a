#pragma once
// The about box (Help, "&About"): the program's icon, name, version and licence, and a link to
// the manual's page about Kesto, which ships with the program and opens in the system's browser.

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <functional>

namespace kesto::gui {

// The program's icon: the application's window icon when one is set, else a drawn one.
QIcon ProgramIcon();

// A text drawn as a web link (blue, underlined, hand cursor) that runs open when clicked or
// when Space or Return is pressed on it; the tool tip says where it leads.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    LinkLabel(const QString& text, const QString& toolTip, std::function<void()> open,
              QWidget* parent = nullptr);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void()> open_;
};

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

// Shows the about box modally.
void ShowAboutBox(QWidget* parent);

}  // namespace kesto::gui
