#pragma once
// One check per reader of outside input. Each takes any bytes, feeds them to the reader and
// then checks what must hold for every input: hands hold only real ranks, a board set a reader
// accepts holds no card twice, no hand over 13 cards (DLM and DUP deals all 52 cards) and no
// more than kMaxBoards boards, a reader that fails leaves nothing behind, and what was read,
// written again by a writer, reads back to the same deals. The fuzz targets and the corpus test
// call the same checks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::test {

// "" when everything held, otherwise what did not.
using Check = std::string (*)(std::string_view bytes);

// RecogniseDealFile and the reader it picks, through a real file (ReadAnyDealFile).
std::string CheckDealFile(std::string_view bytes);
std::string CheckOwnDealFile(std::string_view bytes);
std::string CheckLegacyDealFile(std::string_view bytes);
std::string CheckDlmFile(std::string_view bytes);
std::string CheckDupFile(std::string_view bytes);
// The PBN reader: what it accepts holds no card twice, no hand over 13 cards, no more than
// kMaxBoards boards and one board number a board or none; written as a PBN export file, it
// reads back the same.
std::string CheckPbnFile(std::string_view bytes);
// The dealing machines' BRI and DGE readers and the online table's LIN reader: what they
// accept, written again as the same kind, reads back the same; BRI deals are whole.
std::string CheckBriFile(std::string_view bytes);
std::string CheckDgeFile(std::string_view bytes);
std::string CheckLinFile(std::string_view bytes);
std::string CheckDealTag(std::string_view bytes);
std::string CheckHandText(std::string_view bytes);
// The settings file parser (RegistryHive::Parse) and its writer.
std::string CheckSettingsFile(std::string_view bytes);
// The HTML page library: each line a record for AddDeal (a line that begins with a tab gives
// the page's words instead), then one page through HTMLCustom.
std::string CheckWebPage(std::string_view bytes);

// The plan reader: a refused plan says a place inside the text; an accepted one keeps its
// counts within bounds, its conditions evaluate on random deals, and dealing it (with small
// limits) gives as many boards as its counts, each meeting its line with its fixed cards in
// place, or nothing at all.
std::string CheckPlan(std::string_view bytes);
// The dealer-script reader, with seats turned and as written: both refuse alike, at a place
// inside the text, or accept alike; what is accepted evaluates without fault on random deals,
// its fixed cards can be dealt, and dealing it gives boards that meet it with the cards in place.
std::string CheckDealerScript(std::string_view bytes);

struct FuzzTarget {
    std::string_view name;  // also the folder of its seed corpus
    Check check;
};
const std::vector<FuzzTarget>& FuzzTargets();

// The body of every fuzz target: runs the check and aborts with its message when it fails, so
// libFuzzer keeps the input as a crash.
int RunFuzzInput(Check check, const std::uint8_t* data, std::size_t size);

}  // namespace kesto::test
