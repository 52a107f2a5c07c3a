#pragma once
// The about box (Help, "&About"): the program's icon, name and version, and a link to the
// maker's web site that opens in the system's browser.

#include <QDialog>
#include <QIcon>
#include <QLabel>

namespace kesto::gui {

// The maker's web site behind the about box's link.
inline constexpr const char* kMakerWebAddress = "https://kesto.example.org/";

// The program's icon: the application's window icon when one is set, else a drawn one.
QIcon ProgramIcon();

// A text drawn as a web link (blue, underlined, hand cursor) that opens its address in the
// system's browser when clicked or when Space or Return is pressed on it.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    LinkLabel(const QString& text, QString address, QWidget* parent = nullptr);
    const QString& Address() const { return address_; }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Open();
    QString address_;
};

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

// Shows the about box modally.
void ShowAboutBox(QWidget* parent);

}  // namespace kesto::gui
