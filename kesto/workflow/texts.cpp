#include "kesto/workflow/texts.h"

namespace kesto::texts {

std::string DealHasOnlyText(int boardNumber, int cardCount) {
    return "Deal " + std::to_string(boardNumber) + " has only " + std::to_string(cardCount) +
           " cards.";
}

// Two deals read "Deals 2 and 4", more "Deals 2, 4 and 7": the list a director would write,
// with no comma before "and".
std::string DealsWithoutCardsText(const std::vector<int>& boardNumbers) {
    if (boardNumbers.size() == 1) {
        return "Deal " + std::to_string(boardNumbers.front()) + " has no cards.";
    }
    std::string text = "Deals";
    for (std::size_t i = 0; i < boardNumbers.size(); ++i) {
        if (i > 0) {
            text += (i + 1 == boardNumbers.size()) ? " and" : ",";
        }
        text += " " + std::to_string(boardNumbers[i]);
    }
    return text + " have no cards.";
}

namespace {

// "5 to 16", or "7" for a run of one board.
std::string RunText(int first, int last) {
    return first == last ? std::to_string(first)
                         : std::to_string(first) + " to " + std::to_string(last);
}

// Numbers in the order given, three or more in a row as one run ("1 to 3, 7, 8"), so that a
// repeated number shows as often as it is given; after four items, "...".
std::string RunsText(const std::vector<int>& numbers) {
    constexpr int kItemsShown = 4;
    std::string text;
    int items = 0;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) {
            ++last;
        }
        if (last < i + 2) {
            last = i;
        }
        if (items == kItemsShown) {
            return text + ", ...";
        }
        text += (items++ > 0 ? ", " : "") + RunText(numbers[i], numbers[last]);
        i = last + 1;
    }
    return text;
}

}  // namespace

std::string BoardsRenumberedText(std::string_view fileName, const std::vector<int>& fileNumbers) {
    std::vector<int> numbered;
    for (const int number : fileNumbers) {
        if (number != 0) {
            numbered.push_back(number);
        }
    }
    const std::size_t unnumbered = fileNumbers.size() - numbered.size();
    std::string without;
    if (unnumbered == 1) {
        without = "; 1 board has no number Kesto can read";
    } else if (unnumbered > 1) {
        without = "; " + std::to_string(unnumbered) + " boards have no number Kesto can read";
    }
    return "The boards in " + std::string(fileName) + " are numbered " + RunsText(numbered) +
           without + ". Kesto numbers them " + RunText(1, static_cast<int>(fileNumbers.size())) +
           ", and dealer and vulnerability follow the new numbers.";
}

std::string OtherDealerOrVulnerabilityText(std::string_view fileName,
                                           const std::vector<int>& boards) {
    return "In " + std::string(fileName) + ", the Dealer or Vulnerable tag of board" +
           (boards.size() == 1 ? " " : "s ") + RunsText(boards) +
           " differs from the usual rotation. Kesto gives every board the dealer and "
           "vulnerability of its number, so these change.";
}

std::string CopiesLabel(int dealCount) {
    return "N&umber of copies (with all " + std::to_string(dealCount) + " hands):";
}

std::string UnsavedBoardsText(int boards, std::string_view fileName) {
    if (!fileName.empty()) {
        return "If you don't save, your changes to " + std::string(fileName) + " will be lost.";
    }
    return boards == 1
               ? "If you don't save, the board will be lost."
               : "If you don't save, the " + std::to_string(boards) + " boards will be lost.";
}

std::string FileCaption(std::string_view fileName) {
    return std::string(fileName) + " - " + std::string(kCaptionFirst);
}

std::string NotAWholeNumberText(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid whole number.";
}

std::string SecureDealingFailedText(std::string_view reason) {
    return "The system's secure random source could not be read (" + std::string(reason) +
           "), so no deals were made. Turn off \"Deal with a secure random generator\" on "
           "the Other page of the options to deal with the classic generator.";
}

std::string AnalysisFailedText(std::string_view reason) {
    return "The makeable contracts could not be worked out. " + std::string(reason) +
           " Nothing was printed or written. Turn off \"Show makeable contracts and par\" on "
           "the Other page of the options to go on without them.";
}

std::string PlanUnreadableText(std::string_view error) {
    return "The plan cannot be read, so no boards were dealt. " + std::string(error) +
           " Mend it with \"Plan...\", or untick \"Deal to a plan\".";
}

}  // namespace kesto::texts
