#pragma once
// What every deal file reader fills and what every deal file writer reports back. Readers and
// writers never talk to the user: they return success or a message, so the window, the batch
// front end and the tests share them. Which reader and writer a kind has, and how a file's kind
// is told, is the kinds table's (deal_file_kinds.h).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/platform/clock.h"
#include "kesto/platform/status.h"

namespace kesto {

// Pbn: any file that holds PBN deals, read by the PBN reader and saved as a PBN 2.1 export
// file. Bri and Dge: the older dealing machines' files; Lin: the online table's hand file.
// Unknown is a file no reader takes.
enum class DealFileKind { Own, Legacy, Dlm, Dup, Pbn, Bri, Dge, Lin, Unknown };

// The output of every reader: the deals in file order (board numbers follow positions), the
// two header lines as they stand in the file, and whether the deals are known to be complete
// (true sends them straight to the print page, false to hand entry for review).
struct DealFileContents {
    DealFileKind kind = DealFileKind::Unknown;  // the kind of file read
    tBoardSet boardSet;
    std::string header1, header2;
    // False for a kind that has no header lines (BRI, DGE): both lines above are empty, and the
    // read flow keeps the lines the user has set.
    bool holdsHeaderLines = true;
    bool dealsComplete = false;
    // The number the file gives each board (a PBN Board tag, a DLM file's board range), 0 for a
    // board it gives none; empty when the file numbers no board. Kesto numbers boards by
    // position whatever these say; the read flow tells the user when they differ.
    std::vector<int> boardNumbers;
    // Set, with header2 empty, when header line 2 is the date the file gives its deals (a PBN
    // Date tag): the caller writes it in the date format the user chose.
    std::optional<CivilDate> header2Date;
    // Kesto's numbers of the boards whose own dealer or vulnerability (PBN Dealer and
    // Vulnerable tags, a LIN md dealer digit and sv pair) is neither the usual rotation's for that
    // number nor for the number the file gives the board (a change of number alone is told with
    // boardNumbers). Kesto deals every board with the rotation's dealer and vulnerability; the read
    // flow tells the user.
    std::vector<int> otherDealerOrVulnerability;
    // The double-dummy tricks a PBN file gives each board (its DoubleDummyTricks tag or
    // OptimumResultTable section), -1 for a count it does not give; empty when no board gives
    // any. Another program's analysis, to spare solving again: unchecked against the deal.
    std::vector<DoubleDummyTable> doubleDummyTricks;
};

// The Kesto files and the DUP file are known by their first bytes: this many, the missing ones
// counted as spaces.
inline constexpr std::size_t kRecognitionBytes = 255;

// No deal file of any kind comes near this; a bigger file is refused as unreadable rather
// than read into memory.
inline constexpr std::size_t kMaxDealFileBytes = 8u << 20;

// A writer's Status says whether the file now holds the board set; when it failed, nothing
// changed on disk and the reason is the message for the user. Every writer refuses an empty
// board set with NothingToSave, and creates no file: NothingToDo, a note for the user rather
// than an error.
inline constexpr std::string_view kNothingToSaveText = "Nothing to print.";
inline Status NothingToSave() {
    return Status::NothingToDo(std::string(kNothingToSaveText));
}

// The Duplimate dealing machine numbers its boards 1 to 99; neither of its files (DLM, DUP)
// holds more, and the other dealing programs refuse to write more too.
inline constexpr std::size_t kDuplimateMaxBoards = 99;

// A writer's refusal of a board set bigger than its format holds: "A .DLM file holds at most
// 99 boards, and there are 120. ..." for kindName ".DLM".
Status TooManyBoards(std::string_view kindName, std::size_t boardCount);

}  // namespace kesto
