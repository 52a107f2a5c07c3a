#include "kesto/workflow/texts.h"

namespace kesto::texts {

std::string PrintingLibraryNotFoundText(std::string_view problem) {
    return std::string(problem) + "\r\n\r\nThe program will now terminate.";
}

std::string PrintingLibraryInterfaceText(std::string_view library) {
    return "There was a problem interfacing with " + std::string(library) +
           ".  This program cannot run unless it is properly interfaced with it.  It will now "
           "terminate.";
}

std::string HtmlLibraryNotFoundText(std::string_view problem) {
    return std::string(problem) + "\r\n\r\nKesto needs this file to create HTML pages.";
}

std::string HtmlLibraryInterfaceText(std::string_view library) {
    return "There was a problem interfacing with " + std::string(library) +
           ".  You will not be able to create HTML pages unless this program is properly "
           "interfaced with it.";
}

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

std::string OtherDealerOrVulnerabilityText(std::string_view fileName, bool pbnTags,
                                           const std::vector<int>& boards) {
    return "In " + std::string(fileName) + ", the " +
           (pbnTags ? "Dealer or Vulnerable tag" : "dealer or vulnerability") + " of board" +
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

std::string AnalysisFailedText(std::string_view failure) {
    return std::string(failure) +
           " Nothing was printed or written. Turn off \"Show makeable contracts and par\" on "
           "the Other page of the options to go on without them.";
}

std::string FileAnalysisDiffersText(const std::vector<int>& boards) {
    return "The makeable contracts that the file gives for board" +
           std::string(boards.size() == 1 ? " " : "s ") + RunsText(boards) +
           " differ from the solver's; Kesto shows the solver's.";
}

std::string PlanUnreadableText(std::string_view error) {
    return "The plan cannot be read, so no boards were dealt. " + std::string(error) +
           " Mend it with \"Plan...\", or untick \"Deal to a plan\".";
}

SuitedText DuplicateCardText(Suit suit, std::string_view rank, std::string_view holder) {
    return {suit, std::string(rank) + " is already with " + std::string(holder) + "."};
}

SuitedText DuplicateCardQuestion(Suit suit, std::string_view rank, std::string_view holder,
                                 std::string_view typedInto, int holderCardsAfter) {
    return {"Transfer it to " + std::string(typedInto) + "? Then " + std::string(holder) + " has " +
                std::to_string(holderCardsAfter) + (holderCardsAfter == 1 ? " card; " : " cards; "),
            suit, std::string(rank) + " is missing."};
}

std::string PlanLineText(const PlanReading& reading, int dealsAsked, bool mix) {
    const Plan& plan = reading.plan;
    if (reading.error) {
        return "Plan: cannot be read; mend it with Plan...";
    }
    if (plan.DealsEveryBoard()) {
        return (plan.HoldsScript() ? "Plan: a dealer script for all "
                                   : "Plan: one condition for all ") +
               std::to_string(dealsAsked) + " boards";
    }
    // The counts one by one while they fit on the line.
    constexpr std::size_t kCountsShown = 6;
    std::string themes;
    if (plan.lines.size() > kCountsShown) {
        themes = " in " + std::to_string(plan.lines.size()) + " themes";
    } else if (plan.lines.size() > 1) {
        for (const PlanLine& line : plan.lines) {
            themes += (themes.empty() ? " (" : " + ") + std::to_string(line.count.value_or(0));
        }
        themes += ")";
    }
    const int boards = plan.BoardCount(dealsAsked);
    return "Plan: " + std::to_string(boards) + (boards == 1 ? " board" : " boards") + themes +
           (mix && plan.lines.size() > 1 ? ", mixed" : "");
}

}  // namespace kesto::texts
