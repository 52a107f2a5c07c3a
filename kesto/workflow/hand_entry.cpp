// The hand-entry page: typing, deleting, filling in and clearing cards of the current deal,
// and choosing the deal by its number. The suit fields never take typed text themselves: each
// key changes the deal and the page is redrawn from it.

#include <algorithm>

#include "kesto/platform/ascii_text.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

namespace {

// The rank a typed character names, or 0 for none: "1" starts a ten typed as "10".
int RankOfTypedCharacter(char key) {
    return key == '1' ? kTen : RankOfCharacter(key);
}

// The rank of a character of a suit field's text; both characters of "10" name the ten.
int RankOfFieldCharacter(char c) {
    return c == '0' ? kTen : RankOfTypedCharacter(c);
}

// Where the caret stands right after a card: the length of the text of the ranks from the
// ace down to that card, since a suit's text runs from the ace downwards.
int CaretAfterCard(tSuitSet holding, int rank, const std::string& tenText) {
    const tSuitSet fromRankUp = static_cast<tSuitSet>(holding & ~(RankBit(rank) - 1u));
    return static_cast<int>(SuitText(fromRankUp, tenText).size());
}

}  // namespace

tDeal& TKestoMain::Current() {
    // Page entry and the deal number keep CurrentDeal inside the board set; this guards the
    // handlers should a key arrive before the page was entered.
    if (boardSet.empty()) {
        boardSet.emplace_back();
    }
    CurrentDeal = std::clamp(CurrentDeal, 0, static_cast<int>(boardSet.size()) - 1);
    return boardSet[CurrentDeal];
}

void TKestoMain::Edit1KeyPress(SuitField field, char key) {
    if (key == '\b') {
        return;  // handled on key down
    }
    const char upper = AsciiUpper(key);
    if (upper == '0') {
        return;  // follows the "1" of a ten typed as 10
    }
    const int rank = RankOfTypedCharacter(upper);
    if (rank == 0) {
        view_.Beep();
        return;
    }
    tDeal& deal = Current();
    tHand& hand = deal.Hand(field.seat);
    if (hand.CardCount() == kCardsInHand) {
        view_.Beep();
        return;
    }
    const std::string ten = HandTenText();
    for (Seat other : kClockwise) {
        if (other == field.seat || !deal.Hand(other).Holds(field.suit, rank)) {
            continue;
        }
        view_.Beep();
        const std::string rankText = rank == kTen ? ten : std::string(1, upper);
        const std::string_view holder = texts::kSeatNames[static_cast<int>(other)];
        const DuplicateCardMessage message{
            texts::DuplicateCardText(field.suit, rankText, holder),
            texts::DuplicateCardQuestion(field.suit, rankText, holder,
                                         texts::kSeatNames[static_cast<int>(field.seat)],
                                         deal.Hand(other).CardCount() - 1)};
        if (!view_.TDuplicateCardForm(message)) {
            return;
        }
        for (Seat seat : kClockwise) {
            deal.Hand(seat).Remove(field.suit, rank);
        }
        break;
    }
    hand.Add(field.suit, rank);
    Refresh();
    view_.PlaceCaret(field, CaretAfterCard(hand.Holding(field.suit), rank, ten), false);
    Printed = false;
}

void TKestoMain::Edit1KeyDown(SuitField field, EditKey key, int caret) {
    tHand& hand = Current().Hand(field.seat);
    const std::string text = SuitText(hand.Holding(field.suit), HandTenText());
    if (text.empty()) {
        return;
    }
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    int removedAt = -1;
    if (key == EditKey::Delete && caret < static_cast<int>(text.size())) {
        removedAt = caret;
    }
    if (key == EditKey::Backspace && caret > 0) {
        removedAt = caret - 1;
    }
    if (removedAt < 0) {
        return;
    }
    const char removed = text[removedAt];
    hand.Remove(field.suit, RankOfFieldCharacter(removed));
    Refresh();
    if (key == EditKey::Backspace) {
        caret -= (removed == '0') ? 2 : 1;
    }
    const int length = static_cast<int>(
        display_.suitTexts[static_cast<int>(field.seat)][static_cast<int>(field.suit)].size());
    view_.PlaceCaret(field, std::clamp(caret, 0, length), false);
}

void TKestoMain::Edit1Enter(SuitField field) {
    const std::string& text =
        display_.suitTexts[static_cast<int>(field.seat)][static_cast<int>(field.suit)];
    view_.PlaceCaret(field, static_cast<int>(text.size()), false);
}

void TKestoMain::EnterKeyPress(SuitField field) {
    for (Seat seat : kClockwise) {
        if (display_.fillInVisible[static_cast<int>(seat)]) {
            Button1Click(seat);
            return;
        }
    }
    Edit1KeyPress(field, '\r');
}

void TKestoMain::Button1Click(Seat seat) {
    tDeal& deal = Current();
    tHand& hand = deal.Hand(seat);
    for (int rank = kAce; rank >= 2; --rank) {
        for (Suit suit : kAllSuits) {
            const bool held = std::any_of(std::begin(kClockwise), std::end(kClockwise),
                                          [&](Seat s) { return deal.Hand(s).Holds(suit, rank); });
            if (!held) {
                hand.Add(suit, rank);
            }
        }
    }
    Refresh();
    const SuitField clubs{seat, Suit::Clubs};
    const std::string& text = display_.suitTexts[static_cast<int>(seat)][3];
    view_.PlaceCaret(clubs, static_cast<int>(text.size()), true);
}

void TKestoMain::Button5Click() {
    Current().Clear();
    Refresh();
}

void TKestoMain::Edit20Change(int dealNumber) {
    const int p = std::clamp(dealNumber, 1, kMaxDealNumber);
    const int count = static_cast<int>(boardSet.size());
    if (p >= count) {
        boardSet.resize(static_cast<std::size_t>(p) + 1);
    }
    CurrentDeal = p - 1;
    Refresh();
}

}  // namespace kesto
