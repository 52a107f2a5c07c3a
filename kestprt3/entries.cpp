// The library's entries: the deal list, the analysis words, and PrintCustom turning its arguments
// into a print request for one of the printouts.

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "kestprt3/board_record.h"
#include "kestprt3/drawing.h"
#include "kestprt3/kestprt3.h"
#include "kestprt3/print_output.h"
#include "kestprt3/print_request.h"
#include "kestprt3/printer_settings.h"
#include "kestprt3/printouts.h"
#include "kestprt3/windows1252.h"

namespace kesto::prt3 {

namespace {

constexpr std::size_t kMaxRecordLength = 64 * 1024;
const QString kArial = QStringLiteral("Arial");

std::vector<std::string>& DealList() {
    static std::vector<std::string> list;
    return list;
}

// A QGuiApplication on the offscreen platform while a call runs in a process that has none.
class GuiGuard {
  public:
    GuiGuard() {
        if (QCoreApplication::instance() == nullptr) {
            // The application takes the options it knows out of argv: set them afresh.
            argc_ = 3;
            argv_[0] = name_;
            argv_[1] = platformOption_;
            argv_[2] = platform_;
            argv_[3] = nullptr;
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    bool HasGui() const { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()); }

  private:
    // QGuiApplication keeps the references for its whole life, so they are static.
    inline static char name_[] = "kestprt3";
    inline static char platformOption_[] = "-platform";
    inline static char platform_[] = "offscreen";
    inline static char* argv_[] = {name_, platformOption_, platform_, nullptr};
    inline static int argc_ = 3;
    std::unique_ptr<QGuiApplication> app_;
};

QString Text(const char* text) {
    return FromWindows1252(text);
}

AnalysisWords& StoredAnalysisWords() {
    static AnalysisWords words;
    return words;
}

std::int32_t Print(std::int32_t kind, std::int32_t orientation, const char* header1,
                   const char* header2, const char* footer, const char* const words[14],
                   const char* const fontNames[7], const std::int32_t sizes[8],
                   const std::int32_t styles[7], std::int32_t cardWidthCm,
                   std::int32_t cardHeightCm, std::int32_t useColor) {
    PrintRequest request;
    QString title;
    switch (kind) {
        case kKestPrt3IndividualSheets:
            request.kind = PrintoutKind::kDealSheets;
            title = QStringLiteral("Deal sheets");
            break;
        case kKestPrt3HandRecord:
            request.kind = PrintoutKind::kHandRecord;
            title = QStringLiteral("Hand record");
            break;
        case kKestPrt3CurtainByBoard:
            request.kind = PrintoutKind::kCurtainCards;
            request.curtainSeats = {kNorth, kEast, kSouth, kWest};
            title = QStringLiteral("Curtain cards");
            break;
        case kKestPrt3CurtainNorth:
        case kKestPrt3CurtainEast:
        case kKestPrt3CurtainSouth:
        case kKestPrt3CurtainWest: {
            static const char* const seatNames[4] = {"North", "East", "South", "West"};
            const auto seat = static_cast<Seat>(kind - kKestPrt3CurtainNorth);
            request.kind = PrintoutKind::kCurtainCards;
            request.curtainSeats = {seat};
            title = QStringLiteral("Curtain cards ") + QLatin1String(seatNames[seat]);
            break;
        }
        default:
            return kKestPrt3UnknownKind;
    }
    if (request.kind == PrintoutKind::kCurtainCards) {
        if (cardWidthCm < 1 || cardHeightCm < 1) {
            return kKestPrt3BadCardSize;
        }
        request.cardWidthMm = 10.0 * cardWidthCm;
        request.cardHeightMm = 10.0 * cardHeightCm;
        request.landscapeCards = orientation == 1;
    }

    // Without a Gui application there are no fonts; one made here lives for this call only.
    const GuiGuard gui;
    if (!gui.HasGui()) {
        return kKestPrt3NoGuiApplication;
    }

    std::vector<Board> boards;
    boards.reserve(DealList().size());
    for (const std::string& record : DealList()) {
        if (std::optional<Board> board = ReadBoardRecord(record)) {
            boards.push_back(std::move(*board));
        }
    }
    if (boards.empty()) {
        return kKestPrt3Ok;
    }

    const PrinterSettings settings = ReadPrinterSettings();
    request.header1 = Text(header1);
    request.header2 = Text(header2);
    request.footer = Text(footer);
    for (std::size_t i = 0; i < 5; ++i) {
        request.words.ranks[i] = Text(words[i]).trimmed();
    }
    for (std::size_t i = 0; i < 4; ++i) {
        request.words.seats[i] = Text(words[5 + i]).trimmed();
    }
    request.words.none = Text(words[9]).trimmed();
    request.words.both = Text(words[10]).trimmed();
    request.words.dealer = Text(words[11]).trimmed();
    request.words.board = Text(words[12]).trimmed();
    request.words.vul = Text(words[13]).trimmed();
    request.analysisWords = StoredAnalysisWords();

    const bool dealSheets = request.kind == PrintoutKind::kDealSheets;
    request.header1Font = MakeFont(Text(fontNames[0]), sizes[0], styles[0], kArial, 14);
    // The second header line's size never comes: a little smaller than the first line.
    const double header2Points =
        sizes[1] >= 1 ? sizes[1] : std::max(9.0, request.header1Font.pointSizeF() * 0.8);
    request.header2Font = MakeFont(Text(fontNames[1]), 0, styles[1], kArial, header2Points);
    request.labelFont = MakeFont(Text(fontNames[2]), sizes[2], styles[2], kArial, 10);
    request.footerFont = MakeFont(Text(fontNames[3]), sizes[3], styles[3], kArial, 8);
    request.cardsFont = MakeFont(Text(fontNames[4]), sizes[4] >= 1 ? sizes[4] : sizes[5], styles[4],
                                 kArial, dealSheets ? 14 : 10);
    request.boardNumberFont = MakeFont(Text(fontNames[5]), sizes[6], styles[5], kArial, 12);
    request.positionFont = MakeFont(Text(fontNames[6]), sizes[7], styles[6], kArial, 12);
    request.useColor = (useColor & 0xFF) != 0;
    request.showDealerAndVulnerability = settings.printVulDeal;

    Output output;
    if (const std::int32_t status = OpenOutput(title, settings, output); status != kKestPrt3Ok) {
        return status;
    }
    std::int32_t status = kKestPrt3Ok;
    switch (request.kind) {
        case PrintoutKind::kDealSheets:
            status = PrintDealSheets(*output.printer, request, boards);
            break;
        case PrintoutKind::kHandRecord:
            status = PrintHandRecord(*output.printer, request, boards);
            break;
        case PrintoutKind::kCurtainCards:
            status = PrintCurtainCards(*output.printer, request, boards);
            break;
    }
    if (status != kKestPrt3Ok) {
        DiscardOutput(output);
    }
    return status;
}

}  // namespace

}  // namespace kesto::prt3

extern "C" {

KESTO_EXPORT void KESTO_STDCALL AddDeal(const char* record) {
    try {
        std::string copy;
        if (record != nullptr) {
            std::size_t length = 0;
            while (length < kesto::prt3::kMaxRecordLength && record[length] != '\0') {
                ++length;
            }
            copy.assign(record, length);
        }
        kesto::prt3::DealList().push_back(std::move(copy));
    } catch (...) {
        // Out of memory: the record is not added.
    }
}

KESTO_EXPORT void KESTO_STDCALL ClearDeals(void) {
    kesto::prt3::DealList().clear();
    kesto::prt3::DealList().shrink_to_fit();
    kesto::prt3::StoredAnalysisWords() = {};
}

KESTO_EXPORT void KESTO_STDCALL SetAnalysisWords(const char* par, const char* noTrump,
                                                 const char* passedOut, const char* caption) {
    try {
        kesto::prt3::AnalysisWords words;
        const auto keep = [](QString& word, const char* given) {
            const QString text = kesto::prt3::Text(given).trimmed();
            if (!text.isEmpty()) {
                word = text;
            }
        };
        keep(words.par, par);
        keep(words.noTrump, noTrump);
        keep(words.passedOut, passedOut);
        keep(words.caption, caption);
        kesto::prt3::StoredAnalysisWords() = std::move(words);
    } catch (...) {
        // Out of memory: the words stay as they were.
    }
}

KESTO_EXPORT int32_t KESTO_STDCALL PrintCustom(
    int32_t kind, int32_t orientation, const char* header1, const char* header2,
    const char* /*unused5*/, const char* footer, const char* ace, const char* king,
    const char* queen, const char* jack, const char* ten, const char* north, const char* east,
    const char* south, const char* west, const char* none, const char* both, const char* dealerWord,
    const char* boardWord, const char* vulWord, const char* /*rankLetters*/,
    const char* header1Font, const char* header2Font, const char* labelFont, const char* footerFont,
    const char* cardsFont, const char* boardNumberFont, const char* positionFont,
    int32_t header1Size, int32_t header2Size, int32_t labelSize, int32_t footerSize,
    int32_t cardsSize, int32_t cardsSize2, int32_t boardNumberSize, int32_t positionSize,
    int32_t header1Style, int32_t header2Style, int32_t labelStyle, int32_t footerStyle,
    int32_t cardsStyle, int32_t boardNumberStyle, int32_t positionStyle, int32_t cardWidthCm,
    int32_t cardHeightCm, int32_t useColor, int32_t /*unused47*/, int32_t /*unused48*/) {
    try {
        // Arguments 7 to 20, in their order.
        const char* const words[14] = {ace,   king, queen, jack, ten,        north,     east,
                                       south, west, none,  both, dealerWord, boardWord, vulWord};
        const char* const fonts[7] = {header1Font, header2Font,     labelFont,   footerFont,
                                      cardsFont,   boardNumberFont, positionFont};
        const int32_t sizes[8] = {header1Size, header2Size, labelSize,       footerSize,
                                  cardsSize,   cardsSize2,  boardNumberSize, positionSize};
        const int32_t styles[7] = {header1Style, header2Style,     labelStyle,   footerStyle,
                                   cardsStyle,   boardNumberStyle, positionStyle};
        return kesto::prt3::Print(kind, orientation, header1, header2, footer, words, fonts, sizes,
                                  styles, cardWidthCm, cardHeightCm, useColor);
    } catch (...) {
        // Out of memory, or anything else Qt or the standard library throws.
        return kKestPrt3InternalError;
    }
}

}  // extern "C"
