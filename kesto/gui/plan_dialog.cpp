#include "kesto/gui/plan_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBlock>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "kesto/gui/analysis_wait.h"
#include "kesto/gui/help.h"
#include "kesto/gui/text_convert.h"
#include "kesto/plan/number_text.h"
#include "kesto/plan/plan_odds.h"
#include "kesto/plan/plan_reader.h"

namespace kesto::gui {

namespace {

// A plan dealt within this time shows no progress dialog.
constexpr int kQuietDealingMs = 300;

// What an empty plan shows: the form of a plan, by example.
constexpr const char* kWorkedPlan =
    "8: hcp(dealer) 15-17 and balanced(dealer)\n"
    "4: hearts(dealer) >= 6 and hcp(dealer) 5-10 and hcp(partner) <= 12";

QString BoardsWord(int boards) {
    return boards == 1 ? QString("1 board") : QString("%1 boards").arg(boards);
}

// What the reader says of the plan: where it cannot be read, or how many boards it deals.
QString BoardsText(const PlanReading& reading, int dealsAsked) {
    if (reading.error) {
        return ToQString(PlanErrorText(*reading.error));
    }
    const Plan& plan = reading.plan;
    if (plan.DealsEveryBoard() && plan.produce) {
        return QString(
                   "The dealer script deals %1, as its produce says; the number of random "
                   "deals to generate takes it, and may be changed there.")
            .arg(BoardsWord(*plan.produce));
    }
    return QString(plan.DealsEveryBoard()
                       ? (plan.HoldsScript()
                              ? "The dealer script deals %1, the number of random deals to "
                                "generate."
                              : "The plan deals %1, the number of random deals to generate, "
                                "every one meeting this condition.")
                       : "The plan deals %1, the sum of its counts.")
        .arg(BoardsWord(plan.BoardCount(dealsAsked)));
}

class PlanDialog : public QDialog {
  public:
    PlanDialog(QWidget* parent, const PlanChoice& current, int dealsAsked);

    PlanChoice Chosen() const {
        PlanChoice chosen = folder_;
        chosen.text = FromQString(edit_->toPlainText());
        chosen.mix = mix_->isChecked();
        chosen.fixedSeats = fixedSeats_->isChecked();
        return chosen;
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Build(const PlanChoice& current);
    // After every change of the text: the reader's word, the place marked, the odds later.
    void Read();
    // The text's position of a place the reader names (its line and column, from 1).
    int PositionOf(const PlanError& error) const;
    void MarkError(const PlanError& error);
    void MoveToError();
    void AcceptIfReadable();
    void StartOdds();
    void GrowOdds();

    const int dealsAsked_;
    const PlanChoice folder_;  // the plan's folder for script files; nothing else of it is read
    QPlainTextEdit* edit_ = nullptr;
    QLabel* error_ = nullptr;
    QLabel* odds_ = nullptr;
    QCheckBox* mix_ = nullptr;
    QCheckBox* fixedSeats_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::optional<PlanError> place_;  // where the plan cannot be read
    QTimer oddsDelay_;
    QTimer oddsSteps_;
    // The plan whose odds are being sampled, and its sample.
    std::unique_ptr<Plan> oddsPlan_;
    std::unique_ptr<OddsSample> sample_;
};

PlanDialog::PlanDialog(QWidget* parent, const PlanChoice& current, int dealsAsked)
    : QDialog(parent), dealsAsked_(dealsAsked), folder_({.scriptFolder = current.scriptFolder}) {
    Build(current);
    // Reading follows every key; the odds, which try many deals, wait for a pause and then
    // grow in short steps, so that typing goes on meanwhile.
    oddsDelay_.setSingleShot(true);
    oddsDelay_.setInterval(kPlanOddsDelayMs);
    connect(&oddsDelay_, &QTimer::timeout, this, [this] { StartOdds(); });
    connect(&oddsSteps_, &QTimer::timeout, this, [this] { GrowOdds(); });
    connect(edit_, &QPlainTextEdit::textChanged, this, [this] { Read(); });
    connect(fixedSeats_, &QCheckBox::toggled, this, [this] { Read(); });
    Read();
    edit_->setFocus();
    if (place_) {
        MoveToError();
    } else {
        edit_->moveCursor(QTextCursor::End);
    }
}

void PlanDialog::Build(const PlanChoice& current) {
    setObjectName("PlanDialog");
    setWindowTitle("Deal to a plan");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("&Plan: one line per theme, as count: condition", this);
    edit_ = new QPlainTextEdit(ToQString(current.text), this);
    edit_->setObjectName("PlanEdit");
    edit_->setTabChangesFocus(true);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit_->setMinimumSize(480, 140);
    edit_->setPlaceholderText(kWorkedPlan);
    label->setBuddy(edit_);
    error_ = new QLabel(this);
    error_->setObjectName("PlanError");
    error_->setWordWrap(true);
    odds_ = new QLabel(this);
    odds_->setObjectName("PlanOdds");
    odds_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    odds_->setWordWrap(true);
    // Room for the message and the odds of a few lines; a longer plan makes the dialog taller.
    const int lineHeight = fontMetrics().lineSpacing();
    error_->setMinimumHeight(2 * lineHeight);
    odds_->setMinimumHeight(4 * lineHeight);
    mix_ = new QCheckBox("Mix the &themes", this);
    mix_->setObjectName("MixCheckBox");
    mix_->setChecked(current.mix);
    fixedSeats_ = new QCheckBox("&Keep the script's seats as written", this);
    fixedSeats_->setObjectName("FixedSeatsCheckBox");
    fixedSeats_->setChecked(current.fixedSeats);
    fixedSeats_->setToolTip(
        "A dealer script's seats turn so that its dealer sits in each board's dealer seat; "
        "ticked, they stay as written and the boards keep their usual dealers.");
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName("OkBtn");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    buttons->button(QDialogButtonBox::Help)->setObjectName("HelpBtn");
    for (QWidget* widget :
         std::initializer_list<QWidget*>{label, edit_, error_, odds_, mix_, fixedSeats_, buttons}) {
        layout->addWidget(widget);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowHelpPlans(this); });
}

void PlanDialog::keyPressEvent(QKeyEvent* event) {
    // Enter starts a new line of the plan; Ctrl+Enter, which the text leaves alone, is OK.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier) != 0) {
        AcceptIfReadable();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PlanDialog::Read() {
    const QString text = edit_->toPlainText();
    const PlanReading reading = ReadChosenPlan(Chosen());
    // The box means something only for a plan that holds a dealer script.
    fixedSeats_->setEnabled(!reading.error && reading.plan.HoldsScript());
    // An empty plan is no mistake: the worked plan shows what to write.
    place_ = text.isEmpty() ? std::nullopt : reading.error;
    error_->setText(text.isEmpty() ? QString() : BoardsText(reading, dealsAsked_));
    ok_->setEnabled(!reading.error);
    MarkError(place_.value_or(PlanError{}));
    oddsSteps_.stop();
    sample_.reset();
    odds_->clear();
    oddsDelay_.start();
}

int PlanDialog::PositionOf(const PlanError& error) const {
    const QTextBlock block = edit_->document()->findBlockByNumber(error.line - 1);
    if (!block.isValid()) {
        return 0;
    }
    return block.position() + std::clamp(error.column - 1, 0, block.length() - 1);
}

void PlanDialog::MarkError(const PlanError& error) {
    QList<QTextEdit::ExtraSelection> marks;
    if (error.line > 0) {
        // The word at the place; at a line's end, its last character.
        QTextCursor cursor(edit_->document());
        cursor.setPosition(PositionOf(error));
        if (cursor.atBlockEnd()) {
            cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        } else {
            cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
            if (!cursor.hasSelection()) {
                cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            }
        }
        QTextEdit::ExtraSelection mark;
        mark.cursor = cursor;
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(Qt::red);
        mark.format.setBackground(QColor(255, 224, 224));  // a single sign stands out too
        marks << mark;
    }
    edit_->setExtraSelections(marks);
}

void PlanDialog::MoveToError() {
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(PositionOf(*place_));
    edit_->setTextCursor(cursor);
    edit_->setFocus();
}

void PlanDialog::AcceptIfReadable() {
    if (ok_->isEnabled()) {
        accept();
    } else if (place_) {
        MoveToError();
    }
}

void PlanDialog::StartOdds() {
    PlanReading reading = ReadChosenPlan(Chosen());
    if (reading.error) {
        return;
    }
    oddsPlan_ = std::make_unique<Plan>(std::move(reading.plan));
    sample_ = std::make_unique<OddsSample>(*oddsPlan_);
    oddsSteps_.start(0);
    GrowOdds();
}

void PlanDialog::GrowOdds() {
    if (!sample_) {
        return;
    }
    const bool growing = sample_->Grow(
        {.deals = kMaxOddsSample, .time = std::chrono::milliseconds(kPlanOddsStepMs)});
    QStringList lines;
    const std::vector<PlanLineOdds>& odds = sample_->Odds();
    for (std::size_t i = 0; i < odds.size(); ++i) {
        lines << QString("Line %1: %2")
                     .arg(oddsPlan_->lines[i].lineNumber)
                     .arg(ToQString(OddsText(odds[i])));
    }
    odds_->setText(lines.join("\n"));
    if (!growing) {
        oddsSteps_.stop();
    }
    if (sizeHint().height() > height()) {
        resize(width(), sizeHint().height());
    }
}

}  // namespace

std::optional<PlanChoice> RunPlanDialog(QWidget* parent, const PlanChoice& current,
                                        int dealsAsked) {
    PlanDialog dialog(parent, current, dealsAsked);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    PlanChoice chosen = dialog.Chosen();
    chosen.ticked = true;
    return chosen;
}

bool SavePlanDialogScreenshot(QWidget* parent, const QString& path) {
    PlanDialog dialog(parent,
                      {.text = "4: hcp(dealer) 15-17 and balanced(dealer)\n"
                               "4: 20-22 balanced"},
                      30);
    dialog.show();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(path);
    dialog.close();
    return saved;
}

bool WaitForPlanDealingDialog(QWidget* parent, const BackgroundPlanDealing& dealing) {
    const QDeadlineTimer quiet(kQuietDealingMs);
    while (dealing.Running() && !quiet.hasExpired()) {
        QThread::msleep(5);
    }
    if (!dealing.Running()) {
        return true;
    }
    return RunProgressDialog(
        parent, "PlanDealingDialog", "Deal to a plan", "Dealing to the plan...",
        [&dealing](QProgressDialog& dialog) {
            if (!dealing.Running()) {
                return false;
            }
            const PlanProgress progress = dealing.Current();
            dialog.setMaximum(progress.boardsWanted);
            dialog.setValue(progress.boardsMade);
            dialog.setLabelText(QString("Dealing to the plan: %1 of %2 boards, %3 tried...")
                                    .arg(progress.boardsMade)
                                    .arg(progress.boardsWanted)
                                    .arg(ToQString(DealsText(progress.dealsTried))));
            return true;
        });
}

}  // namespace kesto::gui
