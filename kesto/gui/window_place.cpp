#include "kesto/gui/window_place.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

namespace kesto::gui {

namespace {

constexpr int kPlaces = 10;
constexpr int kStep = 32;  // about a title bar's height

}  // namespace

QIcon KestoWindowIcon() {
    QIcon builtIn;
    for (const int size : {48, 128, 256}) {
        builtIn.addFile(QString(":/kesto/icons/kesto-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme("kesto", builtIn);
}

WindowPlace::WindowPlace() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    for (int place = 0; place < kPlaces; ++place) {
        auto lock = std::make_unique<QLockFile>(
            QDir(folder).filePath(QString("kesto-window-%1.lock").arg(place)));
        // Only the end of the program that holds a place frees it, however long it runs.
        lock->setStaleLockTime(0);
        if (lock->tryLock()) {
            number_ = place;
            lock_ = std::move(lock);
            return;
        }
    }
    number_ = kPlaces;
}

QPoint WindowPlace::Where(const QRect& screen, const QRect& window) const {
    const QPoint centred = screen.center() - window.center();
    const int room = std::max(1, std::min(screen.right() - centred.x() - window.width(),
                                          screen.bottom() - centred.y() - window.height()) /
                                         kStep +
                                     1);
    const int steps = number_ % room;
    return centred + QPoint(steps * kStep, steps * kStep);
}

}  // namespace kesto::gui
