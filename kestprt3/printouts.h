#pragma once
// The three printouts. Each sets the page layout it needs on the printer, paints every page and
// ends the job; each returns a KestPrt3Status. The boards are never empty.

#include <QPrinter>

#include <cstdint>
#include <vector>

#include "kestprt3/board_record.h"
#include "kestprt3/print_request.h"

namespace kesto::prt3 {

// All boards, several a page in a grid, header lines on every page, footer and page numbers.
std::int32_t PrintHandRecord(QPrinter& printer, const PrintRequest& request,
                             const std::vector<Board>& boards);

// One sheet per board, large, without header lines; as many whole sheets a page as fit, with cut
// lines between them.
std::int32_t PrintDealSheets(QPrinter& printer, const PrintRequest& request,
                             const std::vector<Board>& boards);

// Curtain cards of request.curtainSeats for every board, as many a page as fit, with cut lines,
// every card in the same fonts: the board and the seat, the dealer and the vulnerability, and
// the hand as large as every card of the printout allows.
// kKestPrt3BadCardSize when not one card fits on a page.
std::int32_t PrintCurtainCards(QPrinter& printer, const PrintRequest& request,
                               const std::vector<Board>& boards);

}  // namespace kesto::prt3
