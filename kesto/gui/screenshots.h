#pragma once
// The documentation's pictures ("kesto --screenshot-dir DIR"): the main window driven through a
// file read, a generate run and a record run, with a picture of each page and of every dialog
// met on the way.

#include <QString>

namespace kesto::gui {

class MainWindow;
class OptionDialogWidget;

// Saves a picture of each of the three pages into the folder (first.png, record.png,
// print.png), of the board viewer with the makeable contracts (board-viewer.png), of the File
// and Help menus (menu-file.png, menu-help.png) and of the dialogs met on the way
// (board-numbers.png, date-format.png, html_hints.png, save-question.png,
// nothing-to-print.png, duplicate-card.png, zero-cards.png, the options dialog's four pages
// options-*.png, printer-setup.png, about.png). The window must be shown. Without an options
// dialog, the HTML hints, the board viewer and the options pages are left out. False when a
// picture could not be saved.
bool SaveScreenshots(MainWindow& window, OptionDialogWidget* options, const QString& folder);

}  // namespace kesto::gui
