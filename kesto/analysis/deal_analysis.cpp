#include "kesto/analysis/deal_analysis.h"

namespace kesto {

namespace {

constexpr Seat kTagSeatOrder[] = {Seat::North, Seat::South, Seat::East, Seat::West};
constexpr Strain kTagStrainOrder[] = {Strain::NoTrump, Strain::Spades, Strain::Hearts,
                                      Strain::Diamonds, Strain::Clubs};

std::string_view StrainText(Strain strain) {
    switch (strain) {
        case Strain::NoTrump:
            return "NT";
        case Strain::Spades:
            return "S";
        case Strain::Hearts:
            return "H";
        case Strain::Diamonds:
            return "D";
        case Strain::Clubs:
            return "C";
    }
    return "";
}

std::string_view DeclarerText(ParDeclarer declarer) {
    switch (declarer) {
        case ParDeclarer::North:
            return "N";
        case ParDeclarer::East:
            return "E";
        case ParDeclarer::South:
            return "S";
        case ParDeclarer::West:
            return "W";
        case ParDeclarer::NorthSouth:
            return "NS";
        case ParDeclarer::EastWest:
            return "EW";
    }
    return "";
}

}  // namespace

std::string DoubleDummyTricksValue(const DealAnalysis& analysis) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string value;
    for (const Seat seat : kTagSeatOrder) {
        for (const Strain strain : kTagStrainOrder) {
            const int tricks = analysis.Tricks(seat, strain);
            value += kHexDigits[tricks >= 0 && tricks <= 13 ? tricks : 0];
        }
    }
    return value;
}

std::string OptimumScoreValue(const DealAnalysis& analysis) {
    return "NS " + std::to_string(analysis.parScoreNS);
}

std::string ParContractValue(const DealAnalysis& analysis) {
    if (analysis.parContracts.empty()) {
        return "Pass";
    }
    std::string value;
    for (const ParContract& contract : analysis.parContracts) {
        if (!value.empty()) {
            value += ",";
        }
        value += DeclarerText(contract.declarer);
        value += " " + std::to_string(contract.level);
        value += StrainText(contract.strain);
        if (contract.doubled) {
            value += "X";
        }
    }
    return value;
}

std::string SignedText(int value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}

std::string AnalysisRecord(int boardNumber, const DealAnalysis& analysis) {
    return BoardTag(boardNumber) + "|" + AnalysisTags(analysis);
}

PbnTag OptimumResultTableTag(const DealAnalysis& analysis) {
    PbnTag table{"OptimumResultTable", "Declarer;Denomination\\2R;Result\\2R"};
    const auto rightAligned = [](std::string_view text) {
        return std::string(text.size() < 2 ? 1 : 0, ' ') + std::string(text);
    };
    for (const Seat seat : kTagSeatOrder) {
        for (const Strain strain : kTagStrainOrder) {
            table.section.push_back(std::string(1, SeatLetter(seat)) + " " +
                                    rightAligned(StrainText(strain)) + " " +
                                    rightAligned(std::to_string(analysis.Tricks(seat, strain))));
        }
    }
    return table;
}

std::vector<PbnTag> AnalysisPbnTags(const DealAnalysis& analysis) {
    return {{"DoubleDummyTricks", DoubleDummyTricksValue(analysis)},
            OptimumResultTableTag(analysis),
            {"OptimumScore", OptimumScoreValue(analysis)},
            {"ParContract", ParContractValue(analysis)}};
}

std::string AnalysisTags(const DealAnalysis& analysis) {
    std::string tags;
    for (const PbnTag& tag : AnalysisPbnTags(analysis)) {
        if (!tag.section.empty()) {
            continue;  // a table's rows take lines of their own
        }
        if (!tags.empty()) {
            tags += "|";
        }
        tags += PbnTagText(tag);
    }
    return tags;
}

}  // namespace kesto
