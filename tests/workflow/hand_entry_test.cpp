// The hand-entry page: typing cards, the fourteenth card, the duplicate-card dialog, Delete
// and Backspace, Fill in, Clear deal and the deal number.

#include <gtest/gtest.h>

#include "tests/support/case_name.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

constexpr SuitField kNorthSpades{Seat::North, Suit::Spades};
constexpr SuitField kNorthHearts{Seat::North, Suit::Hearts};
constexpr SuitField kEastHearts{Seat::East, Suit::Hearts};

class HandEntry : public WorkflowTest {
  protected:
    HandEntry() { Record(); }
    void Type(SuitField field, const std::string& keys) {
        for (char c : keys) {
            main.Edit1KeyPress(field, c);
        }
    }
    const tDeal& Deal() const { return main.boardSet[main.CurrentDeal]; }
};

struct TypingCase {
    const char* name;
    int language;  // 1 English ("T"), 2 Dansk ("10")
    std::string keys;
    std::string shown;
    int caret;
    int beeps;
};

class Typing : public HandEntry, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, ChangesTheDealAndRedrawsTheField) {
    const TypingCase& c = GetParam();
    languages.SetCurrentLanguage(c.language);
    main.Printed = true;
    Type(kNorthSpades, c.keys);
    EXPECT_EQ(view.Field(Seat::North, Suit::Spades), c.shown);
    EXPECT_EQ(view.beeps, c.beeps);
    if (c.shown.empty()) {
        EXPECT_TRUE(main.Printed);  // nothing was typed in
    } else {
        ASSERT_TRUE(view.caret.has_value());
        EXPECT_EQ(view.caret->field, kNorthSpades);
        EXPECT_EQ(view.caret->position, c.caret);
        EXPECT_FALSE(main.Printed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Typing,
    ::testing::Values(TypingCase{"LowerCaseAce", 1, "a", "A", 1, 0},
                      TypingCase{"TenAsOneInEnglish", 1, "1", "T", 1, 0},
                      TypingCase{"TenAsTInEnglish", 1, "t", "T", 1, 0},
                      TypingCase{"TenTypedAs10InDansk", 2, "10", "10", 2, 0},
                      TypingCase{"TenAfterHonoursInDansk", 2, "AQ10", "AQ10", 4, 0},
                      TypingCase{"CaretAfterACardInTheMiddle", 1, "A2K", "AK2", 2, 0},
                      TypingCase{"CaretAfterTheTenInTheMiddle", 2, "A21", "A102", 3, 0},
                      TypingCase{"ZeroIsDroppedSilently", 1, "0", "", 0, 0},
                      TypingCase{"BadKeysBeep", 1, "x-\r ", "", 0, 4},
                      TypingCase{"BackspaceIsLeftToKeyDown", 1, "\b", "", 0, 0},
                      TypingCase{"SameCardTwiceChangesNothing", 1, "KK", "K", 1, 0},
                      TypingCase{"EveryRank", 1, "23456789tjqka", "AKQJT98765432", 1, 0}),
    CaseName());

TEST_F(HandEntry, TheFourteenthCardIsRefusedEvenWhenAnotherHandHoldsIt) {
    Type(kNorthSpades, "AKQJT98765432");
    EXPECT_EQ(view.display.countLabels[0], "13");
    Type({Seat::East, Suit::Clubs}, "A");
    Type(kNorthHearts, "A");
    Type({Seat::North, Suit::Clubs}, "A");  // East holds it: no dialog either
    EXPECT_EQ(view.beeps, 2);
    EXPECT_TRUE(view.duplicates.empty());
    EXPECT_EQ(Deal().North.CardCount(), 13);
    EXPECT_TRUE(Deal().East.Holds(Suit::Clubs, kAce));
}

TEST_F(HandEntry, ACardAnotherHandHoldsCanBeTransferredOrLeft) {
    Type(kNorthHearts, "K");
    view.transferAnswer = false;
    Type(kEastHearts, "k");
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(view.duplicates.size(), 1u);
    EXPECT_TRUE(Deal().North.Holds(Suit::Hearts, kKing));
    EXPECT_FALSE(Deal().East.Holds(Suit::Hearts, kKing));

    view.transferAnswer = true;
    main.Printed = true;
    Type(kEastHearts, "K");
    EXPECT_FALSE(Deal().North.Holds(Suit::Hearts, kKing));
    EXPECT_TRUE(Deal().East.Holds(Suit::Hearts, kKing));
    EXPECT_EQ(view.Field(Seat::North, Suit::Hearts), "");
    EXPECT_EQ(view.Field(Seat::East, Suit::Hearts), "K");
    EXPECT_EQ(view.display.countLabels[0], "0");
    EXPECT_EQ(view.display.countLabels[1], "1");
    EXPECT_FALSE(main.Printed);
}

// The message names the card as the page writes it, who holds it, and what the holder is
// left with should the card move.
TEST_F(HandEntry, TheDuplicateCardMessageNamesTheHandAndWhatATransferLeavesItWithout) {
    const struct {
        int language;  // 1 English ("T"), 2 Dansk ("10")
        SuitField holder, typedInto;
        std::string held, typed, text, question;
    } cases[] = {
        {1,
         {Seat::North, Suit::Clubs},
         {Seat::East, Suit::Clubs},
         "AKQJT98765432",
         "6",
         "\u26636 is already with North.",
         "Transfer it to East? Then North has 12 cards; \u26636 is missing."},
        {2,
         {Seat::West, Suit::Diamonds},
         {Seat::South, Suit::Diamonds},
         "AT",
         "1",
         "\u266610 is already with West.",
         "Transfer it to South? Then West has 1 card; \u266610 is missing."},
    };
    view.transferAnswer = false;
    for (const auto& c : cases) {
        main.Button5Click();
        view.duplicates.clear();
        languages.SetCurrentLanguage(c.language);
        Type(c.holder, c.held);
        Type(c.typedInto, c.typed);
        ASSERT_EQ(view.duplicates.size(), 1u);
        EXPECT_EQ(view.duplicates[0].text, c.text);
        EXPECT_EQ(view.duplicates[0].question, c.question);
    }
}

struct EditKeyCase {
    const char* name;
    std::string typed;  // Dansk, so the ten is "10"
    TKestoMain::EditKey key;
    int caretBefore;
    std::string shown;
    int caretAfter;  // -1: nothing happened
};

class DeleteAndBackspace : public HandEntry, public ::testing::WithParamInterface<EditKeyCase> {};

TEST_P(DeleteAndBackspace, RemoveTheCardOfTheCharacter) {
    const EditKeyCase& c = GetParam();
    languages.SetCurrentLanguage(2);
    Type(kNorthSpades, c.typed);
    view.caret.reset();
    main.Printed = true;
    main.Edit1KeyDown(kNorthSpades, c.key, c.caretBefore);
    EXPECT_EQ(view.Field(Seat::North, Suit::Spades), c.shown);
    if (c.caretAfter < 0) {
        EXPECT_FALSE(view.caret.has_value());
    } else {
        ASSERT_TRUE(view.caret.has_value());
        EXPECT_EQ(view.caret->position, c.caretAfter);
    }
    EXPECT_TRUE(main.Printed);  // removing a card leaves it
}

using K = TKestoMain::EditKey;
INSTANTIATE_TEST_SUITE_P(
    Keys, DeleteAndBackspace,
    ::testing::Values(EditKeyCase{"BackspaceAfterTheTen", "AQ1", K::Backspace, 4, "AQ", 2},
                      EditKeyCase{"BackspaceInsideTheTen", "AQ1", K::Backspace, 3, "AQ", 2},
                      EditKeyCase{"DeleteBeforeTheZero", "AQ1", K::Delete, 3, "AQ", 2},
                      EditKeyCase{"DeleteBeforeTheTen", "AQ1", K::Delete, 2, "AQ", 2},
                      EditKeyCase{"DeleteTheFirstCard", "AQ1", K::Delete, 0, "Q10", 0},
                      EditKeyCase{"BackspaceAnHonour", "AQ1", K::Backspace, 2, "A10", 1},
                      EditKeyCase{"BackspaceAtTheStart", "AQ1", K::Backspace, 0, "AQ10", -1},
                      EditKeyCase{"DeleteAtTheEnd", "AQ1", K::Delete, 4, "AQ10", -1},
                      EditKeyCase{"EmptyField", "", K::Backspace, 0, "", -1},
                      EditKeyCase{"BackspaceASpotCard", "K72", K::Backspace, 3, "K7", 2}),
    CaseName());

TEST_F(HandEntry, EnteringAFieldPutsTheCaretAtItsEnd) {
    Type(kNorthHearts, "AKQ");
    view.caret.reset();
    main.Edit1Enter(kNorthHearts);
    ASSERT_TRUE(view.caret.has_value());
    EXPECT_EQ(view.caret->position, 3);
    EXPECT_FALSE(view.caret->focus);
}

// North, East and South complete from a full deal, West with the given number of its cards.
void ThreeHandsComplete(TKestoMain& main, int westCards) {
    tDeal deal;
    int card = 1;
    for (Seat seat : {Seat::North, Seat::East, Seat::South}) {
        for (int i = 0; i < 13; ++i) {
            deal.Hand(seat).AddCard(card++);
        }
    }
    for (int i = 0; i < westCards; ++i) {
        deal.West.AddCard(card++);
    }
    main.boardSet[main.CurrentDeal] = deal;
    main.Refresh();
}

TEST_F(HandEntry, FillInShowsForTheOneIncompleteHandAndDealsItTheRest) {
    for (int westCards : {0, 5}) {
        ThreeHandsComplete(main, westCards);
        EXPECT_EQ(view.display.fillInVisible, (std::array<bool, 4>{false, false, false, true}));
        main.Button1Click(Seat::West);
        EXPECT_EQ(Deal().CardCount(), 52);
        EXPECT_EQ(Deal().West.CardCount(), 13);
        EXPECT_EQ(view.display.countLabels[3], "13");
        EXPECT_EQ(view.display.fillInVisible, (std::array<bool, 4>{}));
        ASSERT_TRUE(view.caret.has_value());
        EXPECT_EQ(view.caret->field, (SuitField{Seat::West, Suit::Clubs}));
        EXPECT_TRUE(view.caret->focus);
        EXPECT_EQ(view.caret->position,
                  static_cast<int>(view.Field(Seat::West, Suit::Clubs).size()));
    }
}

TEST_F(HandEntry, FillInStaysHiddenUnlessExactlyThreeHandsHaveThirteen) {
    Type(kNorthSpades, "AKQJT98765432");
    EXPECT_EQ(view.display.fillInVisible, (std::array<bool, 4>{}));
    main.boardSet[0] = FullDeal();
    main.Refresh();
    EXPECT_EQ(view.display.fillInVisible, (std::array<bool, 4>{}));
}

TEST_F(HandEntry, EnterPressesTheShownFillInOrIsARejectedCharacter) {
    main.EnterKeyPress(kNorthSpades);
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(Deal().CardCount(), 0);
    ThreeHandsComplete(main, 0);
    main.EnterKeyPress(kNorthSpades);
    EXPECT_EQ(Deal().West.CardCount(), 13);
    EXPECT_EQ(view.beeps, 1);
}

TEST_F(HandEntry, ClearDealEmptiesOnlyTheCurrentDeal) {
    main.boardSet = {FullDeal(), FullDeal()};
    main.Edit20Change(2);
    main.Printed = true;
    main.Button5Click();
    EXPECT_EQ(main.boardSet[1].CardCount(), 0);
    EXPECT_EQ(main.boardSet[0].CardCount(), 52);
    EXPECT_EQ(view.display.countLabels, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    EXPECT_TRUE(main.Printed);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(HandEntry, RaisingTheDealNumberExtendsTheBoardSet) {
    main.Edit20Change(2);
    EXPECT_EQ(main.boardSet.size(), 3u);
    EXPECT_EQ(main.CurrentDeal, 1);
    EXPECT_EQ(view.display.dealNumber, 2);
    EXPECT_EQ(view.display.countLabels[0], "0");
    main.Edit20Change(1);
    EXPECT_EQ(main.boardSet.size(), 3u);
    EXPECT_EQ(main.CurrentDeal, 0);
    main.Edit20Change(500);
    EXPECT_EQ(main.boardSet.size(), 501u);
    main.NextBtnClick();  // all empty
    EXPECT_EQ(main.boardSet.size(), 1u);
}

TEST_F(HandEntry, TypingGoesToTheDealShown) {
    main.Edit20Change(3);
    Type(kNorthSpades, "A");
    EXPECT_TRUE(main.boardSet[2].North.Holds(Suit::Spades, kAce));
    EXPECT_EQ(main.boardSet[0].CardCount(), 0);
}

}  // namespace
}  // namespace kesto::test
