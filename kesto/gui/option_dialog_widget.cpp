#include "kesto/gui/option_dialog_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"

namespace kesto::gui {

namespace {

constexpr int kClientWidth = 434;
constexpr int kClientHeight = 296;
// The sample panel is small; a huge point size would only show a corner of one letter.
constexpr int kLargestSamplePoints = 96;

// Faces that printing asks for by their Windows names and that fontconfig maps to a
// metric-compatible family. Listing them under those names lets the default "Arial" show as
// chosen, as it does on a Windows printer.
struct FaceAlias {
    const char* name;
    const char* family;
};
constexpr FaceAlias kFaceAliases[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

const char* const kWordLabels[kWordFields] = {
    "A:",    "K:",    "Q:", "J:", "10:", "North:", "East:",   "South:", "West:", "Vul:",
    "Both:", "None:", "N:", "E:", "S:",  "W:",     "Dealer:", "Dlr:",   "Board:"};

QGroupBox* RadioGroup(const QString& objectName, const QString& caption,
                      const std::vector<const char*>& items, int columns, QButtonGroup*& group,
                      QWidget* owner) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(objectName);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    group = new QButtonGroup(owner);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(items[static_cast<std::size_t>(i)]));
        button->setObjectName(objectName + QString::number(i));
        group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    return box;
}

void CheckRadio(QButtonGroup* group, int index) {
    const QSignalBlocker blocker(group);
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    }
}

}  // namespace

OptionDialogWidget::OptionDialogWidget(LanguageTable& languages, QWidget* parent,
                                       std::string settingsPath)
    : QDialog(parent), dialog_(*this, languages, SettingsFile{std::move(settingsPath)}) {
    setObjectName("OptionDlg");
    setWindowTitle("Options");
    setModal(true);

    pageControl_ = new QTabWidget;
    pageControl_->setObjectName("PageControl1");
    pageControl_->addTab(BuildLanguagePage(), "&Language");
    pageControl_->addTab(BuildFontsPage(), "&Fonts");
    pageControl_->addTab(BuildCurtainCardsPage(), "&Curtain Cards");
    pageControl_->addTab(BuildOtherPage(), "&Other");
    const char* const sheetNames[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    for (int i = 0; i < pageControl_->count(); ++i) {
        pageControl_->widget(i)->setObjectName(sheetNames[i]);
    }

    auto* okBtn = new QPushButton("OK");
    okBtn->setObjectName("OKBtn");
    okBtn->setDefault(true);
    okBtn->setAutoDefault(true);
    auto* cancelBtn = new QPushButton("Cancel");
    cancelBtn->setObjectName("CancelBtn");
    cancelBtn->setAutoDefault(false);
    connect(okBtn, &QPushButton::clicked, this, [this] {
        dialog_.OKBtnClick();
        accept();
    });
    connect(cancelBtn, &QPushButton::clicked, this, [this] {
        dialog_.CancelBtnClick();
        reject();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn);
    buttons->addWidget(cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(pageControl_, 1);
    layout->addLayout(buttons);
    FixSize();

    dialog_.FormCreate();
}

OptionDialogWidget::~OptionDialogWidget() {
    dialog_.FormDestroy();
}

void OptionDialogWidget::FixSize() {
    // The dialog keeps its fixed client size unless the system's font needs more room for a
    // caption or a wrapped text; then it grows just enough that nothing is cut off.
    layout()->activate();
    const int width = std::max(kClientWidth, layout()->totalMinimumSize().width());
    int height = std::max(kClientHeight, layout()->totalMinimumSize().height());
    if (layout()->hasHeightForWidth()) {
        height = std::max(height, layout()->totalHeightForWidth(width));
    }
    setFixedSize(width, height);
}

void OptionDialogWidget::GrowForWrappedTexts() {
    // The tab widget asks its pages only for their minimum sizes, which know nothing of the
    // width a wrapped text gets. Now that the pages are laid out, the dialog grows by what the
    // tallest page lacks at the width they share, so that every text shows whole.
    const QWidget* shown = pageControl_->currentWidget();
    int lacking = 0;
    for (int page = 0; page < pageControl_->count(); ++page) {
        lacking = std::max(
            lacking, pageControl_->widget(page)->heightForWidth(shown->width()) - shown->height());
    }
    if (lacking > 0) {
        setFixedSize(width(), height() + lacking);
    }
}

int OptionDialogWidget::ShowOnPage(int page) {
    pageControl_->setCurrentIndex(std::clamp(page, 0, pageControl_->count() - 1));
    return exec() == QDialog::Accepted ? 1 : 0;
}

void OptionDialogWidget::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    GrowForWrappedTexts();
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
    dialog_.FormShow();
}

bool OptionDialogWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto found = std::find(edits_.begin(), edits_.end(), watched);
        if (found != edits_.end()) {
            dialog_.EditKeyPress(static_cast<int>(found - edits_.begin()) + 1);
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* OptionDialogWidget::BuildLanguagePage() {
    auto* page = new QWidget;
    comboBox1_ = new QComboBox;
    comboBox1_->setObjectName("ComboBox1");
    comboBox1_->setEditable(false);
    connect(comboBox1_, &QComboBox::activated, this,
            [this](int index) { dialog_.ComboBox1Change(index); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int field = 1; field <= kWordFields; ++field) {
        // Left column A..10, middle North..None, right N..Board.
        const int column = field <= 5 ? 0 : field <= 12 ? 1 : 2;
        const int row = field <= 5 ? field - 1 : field <= 12 ? field - 6 : field - 13;
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("Edit%1").arg(field));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            dialog_.EditChange(field, FromQString(text));
        });
        auto* label = new QLabel(kWordLabels[field - 1]);
        label->setBuddy(edit);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, column * 2);
        grid->addWidget(edit, row, column * 2 + 1);
        edits_[static_cast<std::size_t>(field - 1)] = edit;
    }
    for (int column = 0; column < 3; ++column) {
        grid->setColumnStretch(column * 2 + 1, 1);
    }

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->addWidget(comboBox1_);
    top->addStretch();
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget* OptionDialogWidget::BuildFontsPage() {
    auto* page = new QWidget;

    listBox1_ = new QListWidget;
    listBox1_->setObjectName("ListBox1");
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        listBox1_->addItem(QString::fromStdString(std::string(FontSlots::ListEntry(slot))));
    }
    listBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tall enough for all seven entries: the entries times the text's height plus 4, or the
    // rows as this style draws them when those are taller.
    const int textRows = listBox1_->count() * listBox1_->fontMetrics().height() + 4;
    const int styleRows =
        listBox1_->count() * listBox1_->sizeHintForRow(0) + 2 * listBox1_->frameWidth();
    listBox1_->setFixedHeight(std::max(textRows, styleRows));
    connect(listBox1_, &QListWidget::currentRowChanged, this,
            [this](int row) { dialog_.ListBox1Click(row); });
    connect(listBox1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { dialog_.ListBox1Click(listBox1_->row(item)); });
    auto* textLabel = new QLabel("&Text:");
    textLabel->setBuddy(listBox1_);

    fontNameComboBox_ = new QComboBox;
    fontNameComboBox_->setObjectName("FontNameComboBox");
    fontNameComboBox_->setEditable(false);
    connect(fontNameComboBox_, &QComboBox::activated, this,
            [this](int index) { dialog_.FontNameComboBoxChange(index); });
    auto* nameLabel = new QLabel("Font &Name:");
    nameLabel->setBuddy(fontNameComboBox_);

    fontSizeComboBox_ = new QComboBox;
    fontSizeComboBox_->setObjectName("FontSizeComboBox");
    fontSizeComboBox_->setEditable(true);
    fontSizeComboBox_->setInsertPolicy(QComboBox::NoInsert);
    fontSizeComboBox_->addItems({"8", "9", "10", "11", "12", "14", "16", "18"});
    fontSizeComboBox_->setCurrentIndex(-1);
    connect(fontSizeComboBox_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { dialog_.FontSizeComboBoxChange(FromQString(text)); });
    auto* sizeLabel = new QLabel("Font &Size:");
    sizeLabel->setBuddy(fontSizeComboBox_);

    boldButton_ = new QPushButton("B");
    boldButton_->setObjectName("BoldButton");
    boldButton_->setCheckable(true);
    boldButton_->setAutoDefault(false);
    QFont boldFont = boldButton_->font();
    boldFont.setBold(true);
    boldButton_->setFont(boldFont);
    boldButton_->setFixedWidth(28);
    connect(boldButton_, &QPushButton::clicked, this,
            [this](bool down) { dialog_.BoldButtonClick(down); });

    italicButton_ = new QPushButton("I");
    italicButton_->setObjectName("ItalicButton");
    italicButton_->setCheckable(true);
    italicButton_->setAutoDefault(false);
    QFont italicFont = italicButton_->font();
    italicFont.setItalic(true);
    italicButton_->setFont(italicFont);
    italicButton_->setFixedWidth(28);
    connect(italicButton_, &QPushButton::clicked, this,
            [this](bool down) { dialog_.ItalicButtonClick(down); });

    panel1_ = new QLabel("Sample");
    panel1_->setObjectName("Panel1");
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setAutoFillBackground(true);
    QPalette white = panel1_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::Light, QColor(192, 192, 192));  // the sunken edge on white
    panel1_->setPalette(white);
    panel1_->setMinimumHeight(44);
    panel1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    panel1_->setMinimumWidth(1);

    auto* button1 = new QPushButton("&Restore all font defaults");
    button1->setObjectName("Button1");
    button1->setAutoDefault(false);
    connect(button1, &QPushButton::clicked, this, [this] { dialog_.Button1Click(); });

    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    left->addWidget(textLabel);
    left->addWidget(listBox1_);
    left->addStretch();
    left->addWidget(button1);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(fontSizeComboBox_, 1);
    sizeRow->addWidget(boldButton_);
    sizeRow->addWidget(italicButton_);

    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(nameLabel);
    right->addWidget(fontNameComboBox_);
    right->addWidget(sizeLabel);
    right->addLayout(sizeRow);
    right->addSpacing(4);
    right->addWidget(panel1_, 1);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(10);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    return page;
}

QWidget* OptionDialogWidget::BuildCurtainCardsPage() {
    auto* page = new QWidget;
    auto* collation =
        RadioGroup("CollationRadioGroup", "Collating",
                   {"&Group hands by position (all North hands, then all East, etc.)",
                    "Group hands by &board number (all hands for board 1, then board 2, etc.)"},
                   1, collationGroup_, this);
    auto* dimensions =
        RadioGroup("DimensionRadioGroup", "Dimensions", {"5 x &6 cm.", "5 x &7 cm.", "5 x &8 cm"},
                   3, dimensionGroup_, this);
    auto* orientation = RadioGroup("CurtainOrientationRadioGroup", "Orientation",
                                   {"&Portrait", "Land&scape"}, 2, orientationGroup_, this);
    connect(collationGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { dialog_.CollationRadioGroupClick(id); });
    connect(dimensionGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { dialog_.DimensionRadioGroupClick(id); });
    connect(orientationGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { dialog_.CurtainOrientationRadioGroupClick(id); });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(collation);
    layout->addWidget(dimensions);
    layout->addWidget(orientation);
    layout->addStretch();
    return page;
}

QWidget* OptionDialogWidget::BuildOtherPage() {
    auto* page = new QWidget;

    auto* dealerBox = new QGroupBox("Dealer and Vulnerability");
    showDlrVulCheckBox_ = new QCheckBox("&Show dealer and vulnerability on printouts and HTML");
    showDlrVulCheckBox_->setObjectName("ShowDlrVulCheckBox");
    connect(showDlrVulCheckBox_, &QCheckBox::clicked, this,
            [this](bool checked) { dialog_.ShowDlrVulCheckBoxClick(checked); });
    auto* dealerLayout = new QVBoxLayout(dealerBox);
    dealerLayout->setContentsMargins(6, 2, 6, 2);
    dealerLayout->addWidget(showDlrVulCheckBox_);

    auto* colorBox = new QGroupBox("Printer Color");
    auto* colorText = new QLabel(
        "Check this box to have color printers print red heart and diamond symbols (and some "
        "black and white printers to shade them).");
    colorText->setWordWrap(true);
    useColorCheckBox_ = new QCheckBox("&Use colors");
    useColorCheckBox_->setObjectName("UseColorCheckBox");
    connect(useColorCheckBox_, &QCheckBox::clicked, this,
            [this](bool checked) { dialog_.UseColorCheckBoxClick(checked); });
    auto* colorLayout = new QVBoxLayout(colorBox);
    colorLayout->setContentsMargins(6, 2, 6, 2);
    colorLayout->setSpacing(2);
    colorLayout->addWidget(colorText);
    colorLayout->addWidget(useColorCheckBox_);

    auto* gifBox = new QGroupBox("Location of GIFs on Web Site");
    auto* gifText = new QLabel(
        "Enter the directory for the suit and board gifs at your web site.  If you keep the "
        "gifs in the same directory as the html pages, leave blank.");
    gifText->setWordWrap(true);
    gifLocationEdit_ = new QLineEdit;
    gifLocationEdit_->setObjectName("GIFLocationEdit");
    connect(gifLocationEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { dialog_.GIFLocationEditChange(FromQString(text)); });
    auto* gifLayout = new QVBoxLayout(gifBox);
    gifLayout->setContentsMargins(6, 2, 6, 4);
    gifLayout->setSpacing(2);
    gifLayout->addWidget(gifText);
    gifLayout->addWidget(gifLocationEdit_);

    auto* dealingBox = new QGroupBox("Dealing");
    auto* dealingText = new QLabel(
        "Check this box to deal from the system's secure random source: nobody can foresee or "
        "repeat the deals, not even from the first board of a session.");
    dealingText->setWordWrap(true);
    secureDealingCheckBox_ = new QCheckBox("Deal with a secure &random generator");
    secureDealingCheckBox_->setObjectName("SecureDealingCheckBox");
    connect(secureDealingCheckBox_, &QCheckBox::clicked, this,
            [this](bool checked) { dialog_.SecureDealingCheckBoxClick(checked); });
    auto* dealingLayout = new QVBoxLayout(dealingBox);
    dealingLayout->setContentsMargins(6, 2, 6, 2);
    dealingLayout->setSpacing(2);
    dealingLayout->addWidget(dealingText);
    dealingLayout->addWidget(secureDealingCheckBox_);

    auto* analysisBox = new QGroupBox("Makeable Contracts");
    auto* analysisText = new QLabel(
        "Check this box to show under each board of the hand records, deal sheets and HTML "
        "page the contracts each side can make with best play all round, and par.");
    analysisText->setWordWrap(true);
    showMakeableContractsCheckBox_ = new QCheckBox("Show &makeable contracts and par");
    showMakeableContractsCheckBox_->setObjectName("ShowMakeableContractsCheckBox");
    connect(showMakeableContractsCheckBox_, &QCheckBox::clicked, this,
            [this](bool checked) { dialog_.ShowMakeableContractsCheckBoxClick(checked); });
    auto* analysisLayout = new QVBoxLayout(analysisBox);
    analysisLayout->setContentsMargins(6, 2, 6, 2);
    analysisLayout->setSpacing(2);
    analysisLayout->addWidget(analysisText);
    analysisLayout->addWidget(showMakeableContractsCheckBox_);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(dealerBox);
    layout->addWidget(colorBox);
    layout->addWidget(gifBox);
    layout->addWidget(dealingBox);
    layout->addWidget(analysisBox);
    layout->addStretch();
    return page;
}

void OptionDialogWidget::SetLanguageNames(const std::vector<std::string>& names) {
    const QSignalBlocker blocker(comboBox1_);
    comboBox1_->clear();
    for (const std::string& name : names) {
        comboBox1_->addItem(ToQString(name));
    }
}

void OptionDialogWidget::SetLanguageIndex(int index) {
    const QSignalBlocker blocker(comboBox1_);
    comboBox1_->setCurrentIndex(index);
}

void OptionDialogWidget::SetWordField(int field, const std::string& text) {
    if (field < 1 || field > kWordFields) {
        return;
    }
    QLineEdit* edit = edits_[static_cast<std::size_t>(field - 1)];
    const QSignalBlocker blocker(edit);
    edit->setText(ToQString(text));
}

void OptionDialogWidget::SetFontListIndex(int slot) {
    const QSignalBlocker blocker(listBox1_);
    listBox1_->setCurrentRow(slot);
}

void OptionDialogWidget::SetTypefaceNames(const std::vector<std::string>& names) {
    const QSignalBlocker blocker(fontNameComboBox_);
    fontNameComboBox_->clear();
    for (const std::string& name : names) {
        fontNameComboBox_->addItem(ToQString(name));
    }
    fontNameComboBox_->setCurrentIndex(-1);
}

void OptionDialogWidget::SetTypefaceIndex(int index) {
    const QSignalBlocker blocker(fontNameComboBox_);
    fontNameComboBox_->setCurrentIndex(index);
}

void OptionDialogWidget::SetFontSizeText(const std::string& text) {
    const QSignalBlocker blocker(fontSizeComboBox_);
    fontSizeComboBox_->setEditText(ToQString(text));
}

void OptionDialogWidget::SetBoldDown(bool down) {
    const QSignalBlocker blocker(boldButton_);
    boldButton_->setChecked(down);
}

void OptionDialogWidget::SetItalicDown(bool down) {
    const QSignalBlocker blocker(italicButton_);
    italicButton_->setChecked(down);
}

void OptionDialogWidget::ShowSample(const std::string& text, const TMyFontRec& font) {
    QFont sample(ToQString(font.FontName));
    if (font.FontSize > 0) {
        sample.setPointSize(std::min(font.FontSize, kLargestSamplePoints));
    }
    sample.setBold((font.FontStyle & kFontBold) != 0);
    sample.setItalic((font.FontStyle & kFontItalic) != 0);
    sample.setUnderline((font.FontStyle & kFontUnderline) != 0);
    sample.setStrikeOut((font.FontStyle & kFontStrikeOut) != 0);
    panel1_->setFont(sample);
    panel1_->setText(ToQString(text));
}

void OptionDialogWidget::SetCurtainCollation(int index) {
    CheckRadio(collationGroup_, index);
}

void OptionDialogWidget::SetCurtainDimensions(int index) {
    CheckRadio(dimensionGroup_, index);
}

void OptionDialogWidget::SetCurtainOrientation(int index) {
    CheckRadio(orientationGroup_, index);
}

void OptionDialogWidget::SetShowDlrVul(bool checked) {
    const QSignalBlocker blocker(showDlrVulCheckBox_);
    showDlrVulCheckBox_->setChecked(checked);
}

void OptionDialogWidget::SetUseColor(bool checked) {
    const QSignalBlocker blocker(useColorCheckBox_);
    useColorCheckBox_->setChecked(checked);
}

void OptionDialogWidget::SetGIFLocation(const std::string& text) {
    const QSignalBlocker blocker(gifLocationEdit_);
    gifLocationEdit_->setText(ToQString(text));
}

void OptionDialogWidget::SetSecureDealing(bool checked) {
    const QSignalBlocker blocker(secureDealingCheckBox_);
    secureDealingCheckBox_->setChecked(checked);
}

void OptionDialogWidget::SetShowMakeableContracts(bool checked) {
    const QSignalBlocker blocker(showMakeableContractsCheckBox_);
    showMakeableContractsCheckBox_->setChecked(checked);
}

std::vector<std::string> OptionDialogWidget::SystemTypefaces() {
    const QStringList families = QFontDatabase::families();
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(families.size()));
    for (const QString& family : families) {
        names.push_back(FromQString(family));
    }
    for (const FaceAlias& alias : kFaceAliases) {
        if (families.contains(alias.family) && !families.contains(alias.name)) {
            names.push_back(alias.name);
        }
    }
    return names;
}

void OptionDialogWidget::ShowInformation(const std::string& text) {
    ShowQtNotice(this, QMessageBox::Information, "Information", ToQString(text));
}

}  // namespace kesto::gui
