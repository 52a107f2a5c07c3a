#include "kesto/print/curtain_cards.h"

namespace kesto {

std::int32_t CurtainCardHeight(int dimensions) {
    switch (dimensions) {
        case kCurtain5x6:
            return 6;
        case kCurtain5x8:
            return 8;
        default:
            return 7;
    }
}

std::vector<std::int32_t> CurtainCardKinds(int collation) {
    if (collation == kCollateByPosition) {
        return {kPrintCurtainsNorth, kPrintCurtainsNorth + 1, kPrintCurtainsNorth + 2,
                kPrintCurtainsNorth + 3};
    }
    return {kPrintCurtainsByBoard};
}

PrintCustomArguments CurtainCardArguments(std::int32_t kind, const PrintTexts& texts,
                                          const PrintOptions& options) {
    PrintCustomArguments a;
    a.kind = kind;
    a.orientation = options.curtainOrientation;
    a.header1 = texts.header1;
    a.header2 = texts.header2;
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
    a.dealerWord = options.Word(kSlotDealerShort);
    a.boardWord = options.Word(kSlotBoard);
    a.vulWord = options.Word(kSlotVulnerable);

    const TMyFontRec& header1 = options.fonts[kFontHeaderLine1];
    const TMyFontRec& header2 = options.fonts[kFontHeaderLine2];
    const TMyFontRec& cards = options.fonts[kFontCardsCurtain];
    const TMyFontRec& board = options.fonts[kFontBoardNumber];
    const TMyFontRec& position = options.fonts[kFontPositionIndicator];
    a.fontNames = {header1.FontName, header2.FontName, kFixedFontName,   kFixedFontName,
                   cards.FontName,   board.FontName,   position.FontName};
    a.fontSizes = {header1.FontSize, 0,
                   kFixedFontSize,   kFixedFontSize,
                   cards.FontSize,   cards.FontSize,
                   board.FontSize,   position.FontSize};
    a.fontStyles = {header1.FontStyle, header2.FontStyle, 0, 0, cards.FontStyle,
                    board.FontStyle,   position.FontStyle};
    a.cardWidthCm = kCurtainCardWidthCm;
    a.cardHeightCm = CurtainCardHeight(options.curtainDimensions);
    a.useColor = options.useColor ? 1 : 0;
    return a;
}

}  // namespace kesto
