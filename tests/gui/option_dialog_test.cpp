// The options dialog, the about box and the help commands, driven through their widgets under
// the offscreen platform with settings in a temporary file.

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>

#include "kesto/gui/about_box.h"
#include "kesto/gui/help.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/program_version.h"

using kesto::gui::OptionDialogWidget;

namespace kesto::test {

// Receives the addresses the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class OptionDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    UrlRecorder recorder_;
    QStringList messages_;  // texts of the message boxes closed by CloseNextMessage

    std::string SettingsPath() const { return folder_.filePath("Kesto.reg").toStdString(); }

    std::unique_ptr<OptionDialogWidget> Create(kesto::LanguageTable& languages) {
        return std::make_unique<OptionDialogWidget>(languages, nullptr, SettingsPath());
    }

    template <typename T>
    static T* Find(QWidget* dialog, const char* name) {
        T* widget = dialog->findChild<T*>(name);
        if (widget == nullptr) {
            qWarning("no %s", name);
        }
        return widget;
    }

    // Closes the next modal message box with OK, remembering its text.
    void CloseNextMessage() {
        QTimer::singleShot(0, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages_.append(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
    }

    // Runs something once the dialog shows modally.
    static void WhenModal(QObject* context, std::function<void(QWidget*)> then) {
        QTimer::singleShot(0, context, [then] { then(QApplication::activeModalWidget()); });
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QDesktopServices::setUrlHandler("https", &recorder_, "Open");
        QDesktopServices::setUrlHandler("file", &recorder_, "Open");
    }
    void init() {
        QFile::remove(folder_.filePath("Kesto.reg"));
        messages_.clear();
        recorder_.opened.clear();
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("file");
    }

    void pagesAndCaptions() {
        kesto::LanguageTable languages;
        auto dialog = Create(languages);
        QCOMPARE(dialog->windowTitle(), QString("Options"));
        // Never smaller than its 434 x 296 client; larger only when the font needs room.
        QVERIFY(dialog->width() >= 434 && dialog->height() >= 296);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

        auto* pages = Find<QTabWidget>(dialog.get(), "PageControl1");
        QVERIFY(pages);
        QCOMPARE(pages->count(), 4);
        const QStringList tabs = {"&Language", "&Fonts", "&Curtain Cards", "&Other"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pages->tabText(i), tabs[i]);
            QCOMPARE(pages->widget(i)->objectName(), QString("TabSheet%1").arg(i + 1));
        }
        auto* ok = Find<QPushButton>(dialog.get(), "OKBtn");
        auto* cancel = Find<QPushButton>(dialog.get(), "CancelBtn");
        QVERIFY(ok && cancel);
        QCOMPARE(ok->text(), QString("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(cancel->text(), QString("Cancel"));

        auto* combo = Find<QComboBox>(dialog.get(), "ComboBox1");
        QVERIFY(combo);
        QCOMPARE(combo->count(), 8);
        QCOMPARE(combo->itemText(4), QString::fromUtf8("Français"));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEditable());
        const char* const labels[] = {
            "A:",    "K:",    "Q:", "J:", "10:", "North:", "East:",   "South:", "West:", "Vul:",
            "Both:", "None:", "N:", "E:", "S:",  "W:",     "Dealer:", "Dlr:",   "Board:"};
        for (int field = 1; field <= 19; ++field) {
            auto* edit = Find<QLineEdit>(dialog.get(), qPrintable(QString("Edit%1").arg(field)));
            QVERIFY(edit);
            QCOMPARE(edit->text(),
                     QString::fromStdString(kesto::LanguageTable::BuiltInWord(1, field)));
            bool labelled = false;
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                labelled =
                    labelled || (label->buddy() == edit && label->text() == labels[field - 1]);
            }
            QVERIFY2(labelled, labels[field - 1]);
        }

        auto* list = Find<QListWidget>(dialog.get(), "ListBox1");
        QVERIFY(list);
        QCOMPARE(list->count(), 7);
        QCOMPARE(list->item(0)->text(), QString("Header Line 1"));
        QCOMPARE(list->item(6)->text(), QString("Position Indicator (curtain cards)"));
        auto* sizes = Find<QComboBox>(dialog.get(), "FontSizeComboBox");
        QVERIFY(sizes && sizes->isEditable());
        QStringList sizeEntries;
        for (int i = 0; i < sizes->count(); ++i) {
            sizeEntries << sizes->itemText(i);
        }
        QCOMPARE(sizeEntries, QStringList({"8", "9", "10", "11", "12", "14", "16", "18"}));
        auto* bold = Find<QPushButton>(dialog.get(), "BoldButton");
        auto* italic = Find<QPushButton>(dialog.get(), "ItalicButton");
        QVERIFY(bold && italic);
        QVERIFY(bold->isCheckable() && italic->isCheckable());
        QVERIFY(bold->font().bold());
        QVERIFY(italic->font().italic());
        QCOMPARE(Find<QLabel>(dialog.get(), "Panel1")->text(), QString("Sample"));
        QCOMPARE(Find<QPushButton>(dialog.get(), "Button1")->text(),
                 QString("&Restore all font defaults"));

        const std::pair<const char*, QStringList> groups[] = {
            {"CollationRadioGroup",
             {"&Group hands by position (all North hands, then all East, etc.)",
              "Group hands by &board number (all hands for board 1, then board 2, etc.)"}},
            {"DimensionRadioGroup", {"5 x &6 cm.", "5 x &7 cm.", "5 x &8 cm"}},
            {"CurtainOrientationRadioGroup", {"&Portrait", "Land&scape"}},
        };
        const int checkedByDefault[] = {0, 1, 0};
        for (int g = 0; g < 3; ++g) {
            auto* box = Find<QGroupBox>(dialog.get(), groups[g].first);
            QVERIFY(box);
            const auto buttons = box->findChildren<QRadioButton*>();
            QCOMPARE(buttons.size(), groups[g].second.size());
            for (int i = 0; i < buttons.size(); ++i) {
                QCOMPARE(buttons[i]->text(), groups[g].second[i]);
                QCOMPARE(buttons[i]->isChecked(), i == checkedByDefault[g]);
            }
        }

        auto* dlrVul = Find<QCheckBox>(dialog.get(), "ShowDlrVulCheckBox");
        auto* color = Find<QCheckBox>(dialog.get(), "UseColorCheckBox");
        QVERIFY(dlrVul && color);
        QCOMPARE(dlrVul->text(), QString("&Show dealer and vulnerability on printouts and HTML"));
        QCOMPARE(color->text(), QString("&Use colors"));
        QVERIFY(dlrVul->isChecked() && color->isChecked());
        QVERIFY(Find<QLineEdit>(dialog.get(), "GIFLocationEdit"));
        QStringList captions;
        for (QGroupBox* box : dialog->findChildren<QGroupBox*>()) {
            captions << box->title();
        }
        for (const char* caption :
             {"Collating", "Dimensions", "Orientation", "Dealer and Vulnerability", "Printer Color",
              "Location of GIFs on Web Site"}) {
            QVERIFY2(captions.contains(caption), caption);
        }
        for (const OptionBox& option : kOptionBoxes) {
            QVERIFY(captions.contains(kesto::gui::ToQString(option.group)));
            const std::string name = std::string(option.setting.name) + "CheckBox";
            auto* box = Find<QCheckBox>(dialog.get(), name.c_str());
            QVERIFY(box);
            QCOMPARE(box->text(), kesto::gui::ToQString(option.caption));
            QCOMPARE(box->isChecked(), option.setting.defaultValue);
            box->click();
            QCOMPARE(dialog->Options().Checked(option.setting), !option.setting.defaultValue);
        }
    }

    void listShowsEveryEntryWithoutScrolling() {
        kesto::LanguageTable languages;
        auto dialog = Create(languages);
        dialog->show();
        auto* list = Find<QListWidget>(dialog.get(), "ListBox1");
        QVERIFY(list);
        const QRect last = list->visualItemRect(list->item(6));
        QVERIFY(list->viewport()->rect().contains(last));
        dialog->reject();
    }

    void showingSelectsTheFirstSlotAndItsFont() {
        kesto::LanguageTable languages;
        auto dialog = Create(languages);
        dialog->show();
        auto* list = Find<QListWidget>(dialog.get(), "ListBox1");
        auto* names = Find<QComboBox>(dialog.get(), "FontNameComboBox");
        auto* sizes = Find<QComboBox>(dialog.get(), "FontSizeComboBox");
        auto* panel = Find<QLabel>(dialog.get(), "Panel1");
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(names->count() > 0);
        QCOMPARE(sizes->currentText(), QString("14"));
        QVERIFY(Find<QPushButton>(dialog.get(), "BoldButton")->isChecked());
        // Arial is offered (by its metric twin) whenever the system has Liberation Sans.
        if (QFontDatabase::families().contains("Liberation Sans")) {
            QVERIFY(names->currentIndex() >= 0);
        }
        if (names->currentIndex() >= 0) {
            QCOMPARE(names->currentText(), QString("Arial"));
            QCOMPARE(panel->text(), QString("Header Line 1"));
            QVERIFY(panel->font().bold());
        }

        // A size typed as letters gives 0.
        list->setCurrentRow(1);
        sizes->setFocus();
        sizes->lineEdit()->selectAll();
        QTest::keyClicks(sizes->lineEdit(), "abc");
        QCOMPARE(dialog->Options().FontSlots()[1].FontSize, 0);
        sizes->lineEdit()->selectAll();
        QTest::keyClicks(sizes->lineEdit(), "16");
        QCOMPARE(dialog->Options().FontSlots()[1].FontSize, 16);

        QTest::mouseClick(Find<QPushButton>(dialog.get(), "ItalicButton"), Qt::LeftButton);
        QCOMPARE(dialog->Options().FontSlots()[1].FontStyle, std::uint8_t{2});

        // Restore: every slot back, the sample too, the size field not.
        QTest::mouseClick(Find<QPushButton>(dialog.get(), "Button1"), Qt::LeftButton);
        QCOMPARE(dialog->Options().FontSlots()[1], (kesto::TMyFontRec{"Arial", 10, 0}));
        QCOMPARE(sizes->currentText(), QString("16"));
        if (names->currentIndex() >= 0) {
            QCOMPARE(panel->font().pointSize(), 10);
            QVERIFY(!panel->font().italic());
        }
        dialog->reject();
    }

    void dutchKingIsStoredOnOk() {
        {
            kesto::LanguageTable languages;
            auto dialog = Create(languages);
            dialog->show();
            auto* combo = Find<QComboBox>(dialog.get(), "ComboBox1");
            combo->setFocus();
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(combo, Qt::Key_Down);
            }
            QCOMPARE(combo->currentText(), QString("Dutch"));
            auto* king = Find<QLineEdit>(dialog.get(), "Edit2");
            QCOMPARE(king->text(), QString("H"));
            king->setFocus();
            king->selectAll();
            QTest::keyClicks(king, "K");

            CloseNextMessage();
            QTest::mouseClick(Find<QPushButton>(dialog.get(), "OKBtn"), Qt::LeftButton);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(messages_.size(), 1);
            QCOMPARE(messages_[0],
                     QString::fromStdString(std::string(kesto::kChangedLanguageMessage)));
            QCOMPARE(languages.CurrentLanguage(), 4);
            QCOMPARE(languages.LanguageWord(4, kesto::kSlotKing), std::string("K"));
        }
        // Stored: a new dialog shows them.
        kesto::LanguageTable again;
        auto dialog = Create(again);
        QCOMPARE(Find<QComboBox>(dialog.get(), "ComboBox1")->currentText(), QString("Dutch"));
        QCOMPARE(Find<QLineEdit>(dialog.get(), "Edit2")->text(), QString("K"));
    }

    // At the size the dialog opens with, in the program's font and in the system's, every
    // text of every page shows whole: a wrapped text gets the height its width needs, a label,
    // check box or radio button the room it asks for.
    void everyTextFitsItsWidgetAtTheOpeningSize() {
        const QFont saved = QApplication::font();
        QFont arial("Arial");
        arial.setPixelSize(12);
        for (const QFont& font : {arial, saved}) {
            QApplication::setFont(font);
            kesto::LanguageTable languages;
            auto dialog = Create(languages);
            auto* pages = Find<QTabWidget>(dialog.get(), "PageControl1");
            dialog->show();
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QApplication::processEvents();
                for (QWidget* w : pages->widget(page)->findChildren<QWidget*>()) {
                    auto* label = qobject_cast<QLabel*>(w);
                    const QSize needed =
                        label != nullptr && label->wordWrap()
                            ? QSize(0, label->heightForWidth(w->width()))
                            : QSize(w->sizeHint().width(), w->minimumSizeHint().height());
                    const bool text = label != nullptr || qobject_cast<QCheckBox*>(w) != nullptr ||
                                      qobject_cast<QRadioButton*>(w) != nullptr;
                    QVERIFY2(!text || needed.boundedTo(w->size()) == needed,
                             qPrintable(label ? label->text() : w->objectName()));
                }
            }
        }
        QApplication::setFont(saved);
    }

    void showOnPageOpensThatPageAndTellsOkFromCancel() {
        kesto::LanguageTable languages;
        auto dialog = Create(languages);
        auto* pages = Find<QTabWidget>(dialog.get(), "PageControl1");
        for (int page = 0; page < 4; ++page) {
            int shownPage = -1;
            WhenModal(this, [&](QWidget* modal) {
                shownPage = pages->currentIndex();
                QCOMPARE(modal, dialog.get());
                Find<QPushButton>(modal, page % 2 == 0 ? "OKBtn" : "CancelBtn")->click();
            });
            const int result = dialog->ShowOnPage(page);
            QCOMPARE(shownPage, page);
            QCOMPARE(result, page % 2 == 0 ? 1 : 0);
        }
    }

    // The Alt keys reach their controls from the keyboard (no other control of the page shares
    // a key: the window test checks every page): a button is pressed, a field takes the focus.
    // The box ticked by Alt+M is stored when the dialog goes.
    void altKeysReachTheirControls() {
        {
            kesto::LanguageTable languages;
            auto dialog = Create(languages);
            auto* pages = Find<QTabWidget>(dialog.get(), "PageControl1");
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            const struct {
                int page;
                Qt::Key key;
                const char* control;
            } keys[] = {
                {OptionDialogWidget::kLanguagePage, Qt::Key_P, "ComboBox1"},
                {OptionDialogWidget::kFontsPage, Qt::Key_B, "BoldButton"},
                {OptionDialogWidget::kFontsPage, Qt::Key_I, "ItalicButton"},
                {OptionDialogWidget::kOtherPage, Qt::Key_E, "GIFLocationEdit"},
                {OptionDialogWidget::kOtherPage, Qt::Key_M, "ShowMakeableContractsCheckBox"}};
            for (const auto& k : keys) {
                pages->setCurrentIndex(k.page);
                auto* control = Find<QWidget>(dialog.get(), k.control);
                auto* button = qobject_cast<QAbstractButton*>(control);
                const bool was = button != nullptr && button->isChecked();
                QWidget* focused = QApplication::focusWidget();
                QTest::keyClick(focused != nullptr ? focused : dialog.get(), k.key,
                                Qt::AltModifier);
                // An accelerator's click is animated: the button changes a moment later.
                if (button != nullptr) {
                    QTRY_VERIFY2(button->isChecked() != was, k.control);
                } else {
                    QVERIFY2(control->hasFocus(), k.control);
                }
            }
            QVERIFY(dialog->Options().ShowMakeableContracts());
            Find<QPushButton>(dialog.get(), "OKBtn")->click();
        }
        kesto::LanguageTable languages;
        auto dialog = Create(languages);
        QVERIFY(Find<QCheckBox>(dialog.get(), "ShowMakeableContractsCheckBox")->isChecked());
    }

    // Esc undoes every page, the Other page included; the language reminder comes only when OK
    // changes the language.
    void escapeUndoesEveryPage() {
        kesto::LanguageTable languages;
        auto dialog = Create(languages);
        WhenModal(this, [&](QWidget* modal) {
            auto* color = Find<QCheckBox>(modal, "UseColorCheckBox");
            QTest::mouseClick(color, Qt::LeftButton, {}, QPoint(6, color->height() / 2));
            QTest::keyClicks(Find<QLineEdit>(modal, "GIFLocationEdit"), "gifs/");
            Find<QRadioButton>(modal, "DimensionRadioGroup2")->click();
            Find<QComboBox>(modal, "ComboBox1")->setCurrentIndex(2);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QCOMPARE(dialog->ShowOnPage(OptionDialogWidget::kOtherPage), 0);
        // The values behind the controls are the options' own test's; here the controls.
        QVERIFY(Find<QCheckBox>(dialog.get(), "UseColorCheckBox")->isChecked());
        QVERIFY(Find<QLineEdit>(dialog.get(), "GIFLocationEdit")->text().isEmpty());
        QVERIFY(Find<QRadioButton>(dialog.get(), "DimensionRadioGroup1")->isChecked());
        QCOMPARE(Find<QComboBox>(dialog.get(), "ComboBox1")->currentIndex(), 0);

        // OK without a change of language says nothing.
        WhenModal(this, [this](QWidget* modal) {
            CloseNextMessage();
            Find<QPushButton>(modal, "OKBtn")->click();
        });
        QCOMPARE(dialog->ShowOnPage(OptionDialogWidget::kLanguagePage), 1);
        QApplication::processEvents();  // the watch for a reminder ends with this test
        QVERIFY(messages_.isEmpty());
    }

    void aboutBox() {
        kesto::gui::TAboutBox box;
        QCOMPARE(box.windowTitle(), QString("About"));
        QCOMPARE(Find<QLabel>(&box, "ProductName")->text(), QString("Kesto"));
        QCOMPARE(Find<QLabel>(&box, "Version")->text(), QString("Version 3.26"));
        const std::string_view licence = kesto::kProgramLicence;
        QVERIFY(Find<QLabel>(&box, "Licence")
                    ->text()
                    .contains(QString::fromLatin1(licence.data(),
                                                  static_cast<qsizetype>(licence.size()))));
        QVERIFY(!Find<QLabel>(&box, "ProgramIcon")->pixmap().isNull());
        auto* link = Find<kesto::gui::LinkLabel>(&box, "WebLink");
        QVERIFY(link);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        box.show();
        QTest::mouseClick(link, Qt::LeftButton);
        // The link leads to the manual's page about Kesto, which ships beside the program.
        const QString page = QDir(kesto::gui::HelpFolder()).filePath("about.html");
        QCOMPARE(recorder_.opened.size(), 1);
        QCOMPARE(recorder_.opened[0], QUrl::fromLocalFile(page));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(recorder_.opened.size(), 2);
        QCOMPARE(recorder_.opened[1], QUrl::fromLocalFile(page));
        QVERIFY(!link->text().contains("example"));
        // The page names the version the box shows.
        QFile about(page);
        QVERIFY(about.open(QIODevice::ReadOnly));
        const QString shown = Find<QLabel>(&box, "Version")->text().remove("Version ");
        QVERIFY(QString::fromUtf8(about.readAll()).contains("version " + shown));
        QTest::mouseClick(Find<QPushButton>(&box, "OKButton"), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    // The product name is six points above the box's own text, whether the application's
    // font is given in points or in pixels.
    void aboutBoxNameIsReadableWithAnyApplicationFont() {
        const QFont saved = QApplication::font();
        for (const bool inPixels : {false, true}) {
            QFont font("Arial");
            if (inPixels) {
                font.setPixelSize(12);
            } else {
                font.setPointSize(9);
            }
            QApplication::setFont(font);
            kesto::gui::TAboutBox box;
            const double text = QFontInfo(Find<QLabel>(&box, "Version")->font()).pointSizeF();
            const double name = QFontInfo(Find<QLabel>(&box, "ProductName")->font()).pointSizeF();
            QVERIFY2(text >= 6, qPrintable(QString::number(text)));
            QVERIFY2(qAbs(name - (text + 6)) < 1.0,
                     qPrintable(QString("%1 pt beside %2 pt").arg(name).arg(text)));
            QVERIFY(Find<QLabel>(&box, "ProductName")->font().bold());
        }
        QApplication::setFont(saved);
    }

    // A box with a short text is still wide enough for its caption in a bold title bar with
    // a menu button and three buttons of about twice the text's height.
    void messageBoxesHoldTheirCaption() {
        const struct {
            kesto::MessageKind kind;
            const char* caption;
        } cases[] = {
            {kesto::MessageKind::Information, "Information"},
            {kesto::MessageKind::Warning, "Warning"},
            {kesto::MessageKind::Error, "Error"},
            {kesto::MessageKind::Confirmation, "Confirm"},
        };
        for (const auto& c : cases) {
            int width = 0;
            int needed = 0;
            QString caption;
            WhenModal(this, [&](QWidget* box) {
                caption = box->windowTitle();
                QFont bold = box->font();
                bold.setBold(true);
                const QFontMetrics metrics(bold);
                needed = metrics.horizontalAdvance(caption) + 7 * metrics.height();
                width = box->width();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            kesto::gui::ShowQtMessage(nullptr, c.kind, "Nothing to print.",
                                      kesto::MessageButtons::Ok);
            QCOMPARE(caption, QString(c.caption));
            QVERIFY2(width >= needed, qPrintable(QString("%1 wide for %2").arg(width).arg(needed)));
        }
    }

    void helpOpensTheManualBesideTheProgram() {
        QVERIFY2(QFile::exists(QDir(kesto::gui::HelpFolder()).filePath("index.html")),
                 "build the kesto_help target first");
        QVERIFY(kesto::gui::ShowHelpContents(nullptr));
        QVERIFY(kesto::gui::ShowHelpSearch(nullptr));
        QCOMPARE(recorder_.opened.size(), 2);
        QVERIFY(recorder_.opened[0].isLocalFile());
        QCOMPARE(recorder_.opened[0].toLocalFile(),
                 QDir(kesto::gui::HelpFolder()).filePath("index.html"));
        QCOMPARE(recorder_.opened[1].toLocalFile(),
                 QDir(kesto::gui::HelpFolder()).filePath("search.html"));
    }

    void manualPagesAreLinkedAndSearchable() {
        const QDir help(kesto::gui::HelpFolder());
        QFile contents(help.filePath("index.html"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        const QString index = QString::fromUtf8(contents.readAll());
        QFile searchIndex(help.filePath("search-index.js"));
        QVERIFY(searchIndex.open(QIODevice::ReadOnly));
        const QString searchable = QString::fromUtf8(searchIndex.readAll());
        QVERIFY(QFile::exists(help.filePath("search.js")));

        const QStringList pages = help.entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.size() >= 10);
        for (const QString& page : pages) {
            if (page == "index.html" || page == "search.html") {
                continue;
            }
            QVERIFY2(index.contains("href=\"" + page + "\""), qPrintable(page));
            QVERIFY2(searchable.contains("\"page\": \"" + page + "\""), qPrintable(page));
        }
        // Every link between the pages leads somewhere.
        const QRegularExpression link("href=\"([a-z0-9-]+\\.html)(#[a-z]+)?\"");
        for (const QString& page : pages) {
            QFile file(help.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            auto matches = link.globalMatch(text);
            while (matches.hasNext()) {
                const QString target = matches.next().captured(1);
                QVERIFY2(pages.contains(target), qPrintable(page + " -> " + target));
            }
        }
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::OptionDialogTest)
#include "option_dialog_test.moc"
