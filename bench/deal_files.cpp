// Writes 500 boards in each deal file format (KST, DLM, DUP, PBN, BRI, DGE, LIN) and reads them
// back, next to writing and reading the same bytes as a plain copy. Prints milliseconds per round,
// the median of several.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/files/bri_file.h"
#include "kesto/files/deal_file.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/platform/file_io.h"

namespace {

using namespace kesto;
using bench::Check;
using bench::MedianMilliseconds;

}  // namespace

int main() {
    constexpr int kBoards = 500;
    constexpr int kRounds = 21;
    RandomGenerator random(12345);
    tBoardSet boards;
    GenerateRandomDeals(boards, kBoards, random);
    // The Duplimate files refuse more than 99 boards: they get the first 99.
    const tBoardSet duplimate(boards.begin(), boards.begin() + kDuplimateMaxBoards);

    const CivilDate date{2026, 12, 9, 3};
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kesto-bench-deal-files";
    std::filesystem::create_directories(folder);

    struct Format {
        const char* name;
        std::string file;
        std::function<std::string()> build;
        std::function<Status(const std::string&)> write;
        // The kind's own reader; without one, the reader recognition picks.
        Status (*parse)(std::string_view, DealFileContents&) = nullptr;
    };
    const Format formats[] = {
        {"KST", (folder / "b.kst").string(),
         [&] { return OwnDealFileText(boards, "Club night", "Monday", DealSource::Generate); },
         [&](const std::string& f) {
             return WriteOwnDealFile(f, boards, "Club night", "Monday", DealSource::Generate);
         }},
        {"DLM", (folder / "b.dlm").string(),
         [&] { return DLMFileText(duplimate, "Club night", "Monday", DealSource::Generate); },
         [&](const std::string& f) {
             return WriteDLMFile(f, duplimate, "Club night", "Monday", DealSource::Generate);
         }},
        {"DUP", (folder / "b.dup").string(), [&] { return DUPFileBytes(duplimate); },
         [&](const std::string& f) { return WriteDUPFile(f, duplimate); }},
        // The PBN export file, read back by the reader of other programs' PBN files.
        {"PBN", (folder / "b.pbn").string(),
         [&] {
             return PbnFileText({boards, "Club night", "December 9, 2026", date});
         },
         [&](const std::string& f) {
             return WritePbnFile(f, {boards, "Club night", "December 9, 2026", date});
         }},
        {"BRI", (folder / "b.bri").string(), [&] { return BRIFileBytes(boards); },
         [&](const std::string& f) { return WriteBRIFile(f, boards); }, ParseBRIFile},
        {"DGE", (folder / "b.dge").string(), [&] { return DGEFileBytes(boards); },
         [&](const std::string& f) { return WriteDGEFile(f, boards); }, ParseDGEFile},
        {"LIN", (folder / "b.lin").string(),
         [&] { return LINFileText(boards, "Club night", "Monday"); },
         [&](const std::string& f) { return WriteLINFile(f, boards, "Club night", "Monday"); },
         ParseLINFile},
    };

    std::printf("%d boards (DLM and DUP hold 99), median of %d rounds, milliseconds\n", kBoards,
                kRounds);
    std::printf("%-4s %8s | %9s %9s %9s | %9s %9s %9s\n", "kind", "bytes", "build", "write", "read",
                "copy-w", "copy-w-ns", "copy-r");
    for (const Format& format : formats) {
        const std::string bytes = format.build();
        const std::string copy = format.file + ".copy";
        const double build =
            MedianMilliseconds(kRounds, [&] { Check(!format.build().empty(), "build"); });
        // The writer: build in memory, temporary file, fsync, rename.
        const double write = MedianMilliseconds(
            kRounds, [&] { Check(format.write(format.file).Ok(), format.name); });
        const double read = MedianMilliseconds(kRounds, [&] {
            DealFileContents contents;
            if (format.parse == nullptr) {
                Check(ReadAnyDealFile(format.file, contents).Ok(), "read");
                return;
            }
            const StatusOr<std::string> file = ReadDealFileBytes(format.file);
            Check(file.status.Ok() && format.parse(file.value, contents).Ok(), "read");
        });
        // The same bytes copied: the same safe replacement, then a plain write without fsync.
        const double copyWrite = MedianMilliseconds(
            kRounds, [&] { Check(ReplaceFileAtomically(copy, bytes).Ok(), "copy write"); });
        const double copyWriteNoSync = MedianMilliseconds(kRounds, [&] {
            std::FILE* out = std::fopen(copy.c_str(), "wb");
            Check(out != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size(),
                  "plain write");
            Check(std::fclose(out) == 0, "plain close");
        });
        const double copyRead = MedianMilliseconds(
            kRounds, [&] { Check(ReadWholeFile(copy).status.Ok(), "copy read"); });
        std::printf("%-4s %8zu | %9.3f %9.3f %9.3f | %9.3f %9.3f %9.3f\n", format.name,
                    bytes.size(), build, write, read, copyWrite, copyWriteNoSync, copyRead);
    }
    std::printf(
        "build: file made in memory; write: the program's save (safe replacement with\n"
        "fsync); read: recognition and reader (BRI, DGE, LIN: their own reader);\n"
        "copy-w: the same bytes saved the same safe way; copy-w-ns: the same bytes written\n"
        "plainly without fsync; copy-r: reading them back.\n");
    std::filesystem::remove_all(folder);
    return 0;
}
