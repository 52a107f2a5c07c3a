#include "kesto/gui/plan_dialog.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "kesto/gui/analysis_wait.h"
#include "kesto/gui/text_convert.h"
#include "kesto/plan/number_text.h"
#include "kesto/plan/plan_odds.h"
#include "kesto/plan/plan_reader.h"

namespace kesto::gui {

namespace {

// A plan dealt within this time shows no progress dialog.
constexpr int kQuietDealingMs = 300;

// What the reader says of the plan: where it cannot be read, or how many boards it deals.
QString BoardsText(const PlanReading& reading, int dealsAsked) {
    if (reading.error) {
        return ToQString(PlanErrorText(*reading.error));
    }
    const int boards = reading.plan.BoardCount(dealsAsked);
    const bool everyBoard = reading.plan.lines.size() == 1 && !reading.plan.lines[0].count;
    return QString(everyBoard ? "The plan deals %1 boards, the number of random deals to "
                                "generate, every one meeting this condition."
                              : "The plan deals %1 boards, the sum of its counts.")
        .arg(boards);
}

QString OddsText(const Plan& plan) {
    const std::vector<LineOdds> odds = EstimateOdds(plan);
    QStringList lines;
    for (std::size_t i = 0; i < odds.size(); ++i) {
        lines << QString("Line %1: %2")
                     .arg(plan.lines[i].lineNumber)
                     .arg(ToQString(kesto::OddsText(odds[i])));
    }
    return lines.join("\n");
}

}  // namespace

std::optional<PlanChoice> RunPlanDialog(QWidget* parent, const PlanChoice& current,
                                        int dealsAsked) {
    QDialog dialog(parent);
    dialog.setObjectName("PlanDialog");
    dialog.setWindowTitle("Deal to a plan");
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel("&Plan: one line per theme, as count: condition", &dialog);
    auto* edit = new QPlainTextEdit(ToQString(current.plan), &dialog);
    edit->setObjectName("PlanEdit");
    edit->setTabChangesFocus(true);
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit->setMinimumSize(480, 140);
    label->setBuddy(edit);
    auto* error = new QLabel(&dialog);
    error->setObjectName("PlanError");
    error->setWordWrap(true);
    auto* odds = new QLabel(&dialog);
    odds->setObjectName("PlanOdds");
    odds->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the message and the odds of a few lines; a longer plan makes the dialog taller.
    const int lineHeight = dialog.fontMetrics().lineSpacing();
    error->setMinimumHeight(2 * lineHeight);
    odds->setMinimumHeight(4 * lineHeight);
    auto* mix = new QCheckBox("Mix the &themes", &dialog);
    mix->setObjectName("MixCheckBox");
    mix->setChecked(current.mix);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("OkBtn");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(edit),
                            static_cast<QWidget*>(error), static_cast<QWidget*>(odds),
                            static_cast<QWidget*>(mix), static_cast<QWidget*>(buttons)}) {
        layout->addWidget(widget);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // Reading follows every key; the odds, which try many deals, wait for a pause.
    QTimer oddsDelay;
    oddsDelay.setSingleShot(true);
    oddsDelay.setInterval(kPlanOddsDelayMs);
    const auto read = [&] {
        const PlanReading reading = ReadPlan(FromQString(edit->toPlainText()));
        error->setText(BoardsText(reading, dealsAsked));
        ok->setEnabled(!reading.error);
        odds->clear();
        oddsDelay.start();
    };
    QObject::connect(&oddsDelay, &QTimer::timeout, &dialog, [&] {
        const PlanReading reading = ReadPlan(FromQString(edit->toPlainText()));
        odds->setText(reading.error ? QString() : OddsText(reading.plan));
        if (dialog.sizeHint().height() > dialog.height()) {
            dialog.resize(dialog.width(), dialog.sizeHint().height());
        }
    });
    QObject::connect(edit, &QPlainTextEdit::textChanged, &dialog, read);
    read();
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return PlanChoice{FromQString(edit->toPlainText()), mix->isChecked()};
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
