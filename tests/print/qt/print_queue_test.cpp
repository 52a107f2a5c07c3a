// Printing on a real print queue, through Qt's CUPS support: a CUPS scheduler of this test's
// own holds one queue whose device is a file. "&Printer setup..." must list that queue and
// store it as the printer; a hand record printed by the batch command must then reach the
// queue as one job whose output carries every card of the boards. Where no scheduler can be
// started here, the test is reported as skipped, with the reason.

#include <stdlib.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "kesto/gui/print_dialogs.h"
#include "tests/support/child_program.h"
#include "tests/support/private_cups_scheduler.h"

using namespace kesto::gui;
using namespace std::chrono_literals;

namespace kesto::test {

namespace {

constexpr const char* kQueue = "KestoTest";

// The four hands of each "[Deal ...]" tag in the batch's --list output, each as its four
// suits (spades first) in the tag's letters.
std::vector<std::vector<std::string>> HandsListed(const std::string& listing) {
    std::vector<std::vector<std::string>> hands;
    const std::string opening = "[Deal \"";
    for (std::size_t at = listing.find(opening); at != std::string::npos;
         at = listing.find(opening, at + 1)) {
        const std::size_t first = at + opening.size() + 2;  // after "N:"
        const std::string deal = listing.substr(first, listing.find('"', first) - first);
        std::size_t handStart = 0;
        for (int hand = 0; hand < 4; ++hand) {
            const std::size_t handEnd = deal.find(' ', handStart);
            const std::string text = deal.substr(handStart, handEnd - handStart);
            std::vector<std::string> suits;
            std::size_t suitStart = 0;
            for (int suit = 0; suit < 4; ++suit) {
                const std::size_t suitEnd = text.find('.', suitStart);
                suits.push_back(text.substr(suitStart, suitEnd - suitStart));
                suitStart = suitEnd + 1;
            }
            hands.push_back(suits);
            handStart = handEnd + 1;
        }
    }
    return hands;
}

// The lines of pdftotext's output with every space taken out: the printout spaces its cards
// ("♠ K 5 3"), the tag does not ("K53").
std::set<std::string> LinesWithoutSpaces(const std::string& text) {
    std::set<std::string> lines;
    std::string line;
    for (const char c : text + '\n') {
        if (c == '\n') {
            lines.insert(line);
            line.clear();
        } else if (c != ' ') {
            line += c;
        }
    }
    return lines;
}

}  // namespace

class PrintQueueTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<PrivateCupsScheduler> scheduler_;
    QTemporaryDir folder_;
    std::string settings_;

    QByteArray SchedulerLog() const { return QByteArray::fromStdString(scheduler_->LogTail()); }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        scheduler_ = std::make_unique<PrivateCupsScheduler>();
        if (!scheduler_->Running()) {
            QSKIP(qPrintable("no CUPS scheduler of the test's own could be started: " +
                             QString::fromStdString(scheduler_->Problem())));
        }
        const std::string added = scheduler_->AddPdfFileQueue(kQueue);
        QVERIFY2(added.empty(), added.c_str());
        // Set before anything here asks for printers: the CUPS client reads it once. The
        // batch command started below inherits all three.
        ::setenv("CUPS_SERVER", scheduler_->Server().c_str(), 1);
        settings_ = folder_.filePath("Kesto.reg").toStdString();
        ::setenv("KESTO_SETTINGS", settings_.c_str(), 1);
        ::unsetenv(kPdfFolderVariable);  // it would turn every printout into a PDF file
    }

    void cleanupTestCase() { scheduler_.reset(); }

    void printerSetupListsTheQueueAndStoresIt() {
        QStringList listed;
        QTimer::singleShot(0, [&listed] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            const auto finish = qScopeGuard([dialog] {
                if (dialog->isVisible()) {  // a failed check below left it open
                    dialog->reject();
                }
            });
            auto* printers = dialog->findChild<QComboBox*>("PrinterList");
            auto* usePrinter = dialog->findChild<QRadioButton*>("UsePrinter");
            QVERIFY(printers != nullptr && usePrinter != nullptr);
            for (int i = 0; i < printers->count(); ++i) {
                listed << printers->itemText(i);
            }
            const auto index = listed.indexOf(QString::fromLatin1(kQueue));
            QVERIFY(index >= 0);
            QVERIFY(usePrinter->isEnabled());
            // As a director would: the printer choice, the queue, then Enter for OK.
            usePrinter->click();
            QVERIFY(printers->isEnabled());
            printers->setCurrentIndex(static_cast<int>(index));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QVERIFY(RunPrinterSetupDialog(nullptr, settings_));
        QVERIFY2(listed.contains(QString::fromLatin1(kQueue)), qPrintable(listed.join(", ")));
        const PrintDestination stored = ReadPrintDestination(settings_);
        QCOMPARE(QString::fromStdString(stored.printerName), QString::fromLatin1(kQueue));
        const ResolvedDestination resolved = ResolvePrintDestination(stored);
        QVERIFY(!resolved.toPdf);
        QCOMPARE(QString::fromStdString(resolved.canvas.printerName), QString::fromLatin1(kQueue));
    }

    void handRecordReachesTheQueueWithEveryCard() {
        QVERIFY(WritePrintDestination(settings_, {kQueue, ""}));
        const ChildRun batch =
            RunChildProgram({std::string(KESTO_BIN_DIR) + "/kesto", "batch", "--seed", "7",
                             "--generate", "2", "--list", "--print", "--copies", "1"},
                            60s);
        QVERIFY2(batch.Succeeded(), batch.errors.c_str());
        // On a printer, no folder of PDF files is named.
        QVERIFY2(batch.output.find("Printouts written to") == std::string::npos,
                 batch.output.c_str());

        QVERIFY2(scheduler_->WaitUntilIdle(30s), SchedulerLog().constData());
        const std::vector<std::string> jobs = scheduler_->EndedJobs(kQueue);
        QCOMPARE(jobs.size(), std::size_t{1});  // one copy, one job

        const std::string output = scheduler_->QueueOutput(kQueue).string();
        const ChildRun text = RunChildProgram({"pdftotext", "-raw", output, "-"}, 30s);
        QVERIFY2(text.Succeeded(), (text.errors + SchedulerLog().toStdString()).c_str());
        const std::set<std::string> lines = LinesWithoutSpaces(text.output);
        QVERIFY2(lines.count("Board1") == 1 && lines.count("Board2") == 1, text.output.c_str());

        const std::vector<std::vector<std::string>> hands = HandsListed(batch.output);
        QCOMPARE(hands.size(), std::size_t{8});
        const char* const symbols[] = {"\u2660", "\u2665", "\u2666", "\u2663"};
        int suitsChecked = 0;
        for (const std::vector<std::string>& hand : hands) {
            for (int suit = 0; suit < 4; ++suit) {
                if (hand[suit].empty()) {
                    continue;  // a void's mark is the printout's own, not the tag's
                }
                const std::string expected = symbols[suit] + hand[suit];
                QVERIFY2(lines.count(expected) == 1,
                         qPrintable(QString::fromStdString(expected + " is not on the printout:\n" +
                                                           text.output)));
                ++suitsChecked;
            }
        }
        QVERIFY(suitsChecked >= 24);
    }

    // The statistics sheets are drawn by Kesto itself, on its own printer canvas: they reach
    // the same queue, as a job of their own after the hand record.
    void statisticsSheetReachesTheQueueThroughKestosOwnCanvas() {
        QVERIFY(WritePrintDestination(settings_, {kQueue, ""}));
        QVERIFY(scheduler_->WaitUntilIdle(30s));
        const std::size_t before = scheduler_->EndedJobs(kQueue).size();
        const ChildRun batch =
            RunChildProgram({std::string(KESTO_BIN_DIR) + "/kesto", "batch", "--seed", "7",
                             "--generate", "2", "--print", "--copies", "1", "--stat-sheets", "1"},
                            60s);
        QVERIFY2(batch.Succeeded(), batch.errors.c_str());
        QVERIFY2(scheduler_->WaitUntilIdle(30s), SchedulerLog().constData());
        // The hand record, then the statistics sheet, which the device's file keeps.
        QCOMPARE(scheduler_->EndedJobs(kQueue).size(), before + 2);

        const ChildRun text = RunChildProgram(
            {"pdftotext", "-raw", scheduler_->QueueOutput(kQueue).string(), "-"}, 30s);
        QVERIFY2(text.Succeeded(), (text.errors + SchedulerLog().toStdString()).c_str());
        const std::set<std::string> lines = LinesWithoutSpaces(text.output);
        QVERIFY2(lines.count("HighCardPoints") == 1, text.output.c_str());
        QVERIFY2(lines.count("StatisticsgeneratedbyKesto.") == 1, text.output.c_str());
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::PrintQueueTest)
#include "print_queue_test.moc"
