// Bad arguments, broken records and output failures: an error number, never a crash, and no
// file left behind.

#include <QCoreApplication>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/kestprt3/printing_library.h"

namespace kesto::test {
namespace {

using Failures = PrintingLibrary;

TEST_F(Failures, UnknownKindsAreRefused) {
    SetDeals({CycleRecord(1, kKnownDeal)});
    for (const std::int32_t kind : {-1, 2, 3, 7, 13, 256, 257, 264, INT32_MIN, INT32_MAX}) {
        PrintArgs args = HandRecordArgs(English());
        args.kind = kind;
        EXPECT_EQ(Print(args), kKestPrt3UnknownKind) << kind;
    }
    EXPECT_TRUE(PdfFiles().empty());
}

TEST_F(Failures, CurtainCardSizesThatCannotBePrinted) {
    SetDeals({CycleRecord(1, kKnownDeal)});
    const std::pair<std::int32_t, std::int32_t> sizes[] = {
        {0, 7},        {5, 0}, {-5, 7}, {5, -7}, {0, 0}, {100, 7}, {5, 100}, {INT32_MAX, INT32_MAX},
        {INT32_MIN, 7}};
    for (const auto& [width, height] : sizes) {
        PrintArgs args = CurtainArgs(9, 7, 0, English());
        args.cardWidthCm = width;
        args.cardHeightCm = height;
        EXPECT_EQ(Print(args), kKestPrt3BadCardSize) << width << " x " << height;
    }
    EXPECT_TRUE(PdfFiles().empty());
}

TEST_F(Failures, NullTextsAndSenselessSizesStillPrint) {
    SetDeals({CycleRecord(1, kKnownDeal)});
    for (const std::int32_t kind : {0, 1, 8}) {
        const std::int32_t status = printCustom_(
            kind, 77, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, -5,
            INT32_MIN, INT32_MAX, -1, 0, 100000, -100000, -1, 0x7FFF, INT32_MIN, 255, 3, -2,
            INT32_MAX, kind == 8 ? 5 : 0, kind == 8 ? 7 : 0, -1, 99, -99);
        ASSERT_EQ(status, kKestPrt3Ok) << kind;
        // English words stand in for the missing ones.
        const std::string text = PdfText(NewPdf());
        EXPECT_NE(text.find("Board 1"), std::string::npos) << kind;
        EXPECT_NE(WithoutSpaces(text).find("\u2665AT83"), std::string::npos) << kind;
    }
}

TEST_F(Failures, BrokenRecordsAreSkippedOrPrintedAsFarAsTheyGo) {
    const std::string good = CycleRecord(1, kKnownDeal);
    std::vector<std::string> records;
    // Every cut of a good record, and some nonsense.
    for (std::size_t length = 0; length <= good.size(); ++length) {
        records.push_back(good.substr(0, length));
    }
    records.insert(records.end(), {"[", "[Board", "[Board \"", "\"]", "[Deal \"X:AKQ\"]",
                                   "[Deal \"N:\"]", "[Deal \"N\"]", std::string(5000, '['),
                                   std::string(3000, '"'), "|||||", "[Board \"77\"]"});
    SetDeals(records);
    addDeal_(nullptr);
    for (const std::int32_t kind : {0, 1, 8}) {
        PrintArgs args = kind == 8 ? CurtainArgs(8, 7, 0, English())
                                   : (kind == 0 ? SheetArgs(English()) : HandRecordArgs(English()));
        ASSERT_EQ(Print(args), kKestPrt3Ok) << kind;
        const std::string text = PdfText(NewPdf());
        EXPECT_NE(text.find("Board 77"), std::string::npos) << kind;
    }
}

TEST_F(Failures, AnOutputFolderThatCannotBeMadeIsReported) {
    const std::string blocker = folder_ + "a file";
    std::ofstream(blocker) << "not a folder";
    ::setenv("KESTO_PDF_FOLDER", (blocker + "/pdf").c_str(), 1);
    SetDeals({CycleRecord(1, kKnownDeal)});
    EXPECT_EQ(Print(HandRecordArgs(English())), kKestPrt3NoOutputFolder);
}

TEST_F(Failures, ANonGuiApplicationIsReportedNotCrashedOn) {
    int argc = 1;
    char name[] = "kestprt3_tests";
    char* argv[] = {name, nullptr};
    {
        QCoreApplication app(argc, argv);
        SetDeals({CycleRecord(1, kKnownDeal)});
        EXPECT_EQ(Print(HandRecordArgs(English())), kKestPrt3NoGuiApplication);
    }
    EXPECT_TRUE(PdfFiles().empty());
    // Without any application object the library makes its own for the call.
    EXPECT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    EXPECT_EQ(PdfFiles().size(), 1u);
}

using Output = PrintingLibrary;

TEST_F(Output, ExistingFilesAreNeverOverwritten) {
    SetDeals({CycleRecord(1, kKnownDeal)});
    std::vector<std::string> files;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
        files.push_back(NewPdf());
    }
    for (const std::string& file : files) {
        EXPECT_NE(file.find("/Hand record 20"), std::string::npos) << file;
        EXPECT_EQ(PdfPages(file), 1) << file;
    }
    // Files in the way, named as printouts of the next seconds would be, keep their contents.
    std::vector<std::string> blockers;
    const std::time_t now = std::time(nullptr);
    for (std::time_t second = now; second <= now + 3; ++second) {
        std::tm local{};
        ::localtime_r(&second, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &local);
        for (const char* suffix : {".pdf", " (2).pdf"}) {
            const std::string path = pdfFolder_ + "/Hand record " + stamp + suffix;
            if (!std::filesystem::exists(path)) {
                std::ofstream(path) << "keep";
                blockers.push_back(path);
            }
        }
    }
    seen_.insert(seen_.end(), blockers.begin(), blockers.end());
    ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    EXPECT_EQ(PdfPages(NewPdf()), 1);
    for (const std::string& blocker : blockers) {
        std::ifstream in(blocker);
        std::string contents;
        in >> contents;
        EXPECT_EQ(contents, "keep") << blocker;
    }
}

TEST_F(Output, ThePdfFolderOfTheSettingsWhenNoFolderIsForced) {
    ::setenv("KESTO_PDF_FOLDER", "", 1);
    const std::string chosen = folder_ + "chosen \"folder\"";
    WriteSettings("\"PrinterName\"=\"\"\r\n\"PdfFolder\"=\"" + folder_ +
                  "chosen \\\"folder\\\"\"\r\n");
    SetDeals({CycleRecord(1, kKnownDeal)});
    ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    std::vector<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(chosen)) {
        made.push_back(entry.path().filename().string());
    }
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made.front().rfind("Hand record ", 0), 0u) << made.front();
}

TEST_F(Output, APrinterThatDoesNotExistFallsBackToAPdf) {
    ::setenv("KESTO_PDF_FOLDER", "", 1);
    WriteSettings("\"PrinterName\"=\"No such printer 4711\"\r\n\"PdfFolder\"=\"" + pdfFolder_ +
                  "\"\r\n");
    SetDeals({CycleRecord(1, kKnownDeal)});
    ASSERT_EQ(Print(SheetArgs(English())), kKestPrt3Ok);
    const std::string pdf = NewPdf();
    EXPECT_NE(pdf.find("/Deal sheets 20"), std::string::npos) << pdf;
}

}  // namespace
}  // namespace kesto::test
