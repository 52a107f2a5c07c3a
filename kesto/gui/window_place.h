#pragma once
// Where a main window of Kesto shows itself, and its icon.

#include <QIcon>
#include <QLockFile>
#include <QPoint>
#include <QRect>
#include <memory>

namespace kesto::gui {

// The icon theme's "kesto" where Kesto is installed, else the pictures built into the
// program (desktop/icons), so that a program run from the build folder has its own icon too.
QIcon KestoWindowIcon();

// A place among the main windows of Kesto open on this desktop, held while the object lives:
// the first free of a few numbered places, each marked by a lock file in the user's runtime
// folder. A window in place n stands n steps down and right of the first, so that a second
// "kesto FILE" does not hide the first window.
class WindowPlace {
  public:
    WindowPlace();

    int Number() const { return number_; }
    // The top left of a window of this size: centred in the screen area, moved down and
    // right by the place's steps (from the first again after a screenful).
    QPoint Where(const QRect& screen, const QRect& window) const;

  private:
    int number_ = 0;
    std::unique_ptr<QLockFile> lock_;  // null when every place was taken
};

}  // namespace kesto::gui
