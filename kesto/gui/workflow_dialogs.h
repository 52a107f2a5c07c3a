#pragma once
// The main window's own modal dialogs: the date-format dialog, the deals-with-no-cards dialog,
// the duplicate-card question and the question before boards not saved are dropped. Each
// returns the user's answer to the core.

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "kesto/deal/suit.h"
#include "kesto/workflow/main_window_view.h"

namespace kesto::gui {

std::optional<int> RunDateDialog(QWidget* parent, const std::vector<std::string>& entries);
ZeroCardsChoice RunZeroCardsDialog(QWidget* parent, const std::string& text);
// True for "&Transfer it"; Return, Esc and closing the box answer Cancel.
bool RunDuplicateCardDialog(QWidget* parent, const DuplicateCardMessage& message);

// The text as rich text, each suit its symbol in the suit's colour.
QString SuitedTextToHtml(const SuitedText& text);

// The question before boards not saved are dropped (object name "SaveQuestion"): Save, the
// question's discard button and Cancel, which is the default and Esc's.
SaveAnswer RunSaveQuestionDialog(QWidget* parent, const SaveQuestion& question);

// The suit's symbol (U+2660 and its sisters) and whether it prints red.
QString SuitSymbol(Suit suit);
bool SuitIsRed(Suit suit);

}  // namespace kesto::gui
