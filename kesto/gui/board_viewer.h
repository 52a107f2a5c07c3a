#pragma once
// The print page's board viewer: the list of boards ("&Boards:", with each board's dealer,
// vulnerability and the points of each hand) and the chosen board drawn as the hand record
// prints it: the four hands around a compass that shows the board, the dealer and the
// vulnerable sides, and the makeable contracts under them. Read-only; the list's keys (the
// arrows, Page Up and Down, Home and End) move through the boards.

#include <QWidget>
#include <vector>

#include "kesto/workflow/board_view.h"

class QTreeWidget;

namespace kesto::gui {

class BoardDiagramView;

class BoardViewer : public QWidget {
    Q_OBJECT

  public:
    explicit BoardViewer(QWidget* parent = nullptr);

    // The list as the core gives it, with the row at position current chosen. The same list
    // again only moves the choice, so the list keeps its scrolling.
    void ShowList(const std::vector<BoardListRow>& rows, int current);
    void ShowBoard(const BoardDiagram& board);

  signals:
    // The user chose the board at this position.
    void BoardChosen(int position);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QTreeWidget* list_ = nullptr;
    int listWidth_ = 0;
    BoardDiagramView* diagram_ = nullptr;
    std::vector<BoardListRow> rows_;
};

}  // namespace kesto::gui
