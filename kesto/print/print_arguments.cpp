#include "kesto/print/print_arguments.h"

namespace kesto {

std::string FooterLine(DealSource mode, bool dealsComplete) {
    const bool generated =
        mode == DealSource::Generate || (mode == DealSource::ReadFromFile && dealsComplete);
    return std::string("Hands ") + (generated ? "generated" : "printed") + " by KESTO.";
}

std::string RankLetters(const PrintOptions& options) {
    return options.Word(kSlotAce) + options.Word(kSlotKing) + options.Word(kSlotQueen) +
           options.Word(kSlotJack) + options.Word(kSlotTen) + "x";
}

PrintCustomArguments HandRecordArguments(std::int32_t kind, const PrintTexts& texts,
                                         const PrintOptions& options) {
    const bool copy = kind == kPrintCopy;
    PrintCustomArguments a;
    a.kind = kind;
    a.orientation = -1;
    if (copy) {
        a.header1 = texts.header1;
        a.header2 = texts.header2;
    }
    a.footer = texts.footer;
    a.ace = options.Word(kSlotAce);
    a.king = options.Word(kSlotKing);
    a.queen = options.Word(kSlotQueen);
    a.jack = options.Word(kSlotJack);
    a.ten = options.Word(kSlotTen);
    a.north = options.Word(kSlotNorth);
    a.east = options.Word(kSlotEast);
    a.south = options.Word(kSlotSouth);
    a.west = options.Word(kSlotWest);
    a.none = options.Word(kSlotNone);
    a.both = options.Word(kSlotBoth);
    a.dealerWord = options.Word(copy ? kSlotDealerShort : kSlotDealerLong);
    a.boardWord = options.Word(kSlotBoard);
    a.vulWord = options.Word(kSlotVulnerable);
    a.rankLetters = RankLetters(options);

    const TMyFontRec& header1 = options.fonts[kFontHeaderLine1];
    const TMyFontRec& header2 = options.fonts[kFontHeaderLine2];
    const TMyFontRec& cards = options.fonts[copy ? kFontCardsMulti : kFontCardsSingle];
    // Names 22..28, sizes 29..36, styles 37..43. The second header line's size is never
    // passed (0): the library chooses it. The two curtain-card fonts stay empty and 0.
    a.fontNames = {
        header1.FontName, header2.FontName, kFixedFontName, kFixedFontName, cards.FontName, "", ""};
    a.fontSizes = {
        header1.FontSize, 0, kFixedFontSize, kFixedFontSize, cards.FontSize, cards.FontSize, 0, 0};
    a.fontStyles = {header1.FontStyle, header2.FontStyle, 0, 0, cards.FontStyle, 0, 0};
    a.cardWidthCm = 0;
    a.cardHeightCm = 0;
    a.useColor = options.useColor ? 1 : 0;
    return a;
}

}  // namespace kesto
