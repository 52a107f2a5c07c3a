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

// "&B" or "&I": a button that stays down, its letter shown in the style it stands for.
QPushButton* StyleButton(const QString& letter, const QString& objectName, const QString& name,
                         void (QFont::*setStyle)(bool)) {
    auto* button = new QPushButton(letter);
    button->setObjectName(objectName);
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setCheckable(true);
    button->setAutoDefault(false);
    QFont font = button->font();
    (font.*setStyle)(true);
    button->setFont(font);
    button->setFixedWidth(28);
    return button;
}

// Panel1: the chosen font's sample, black on white in a sunken frame.
QLabel* SamplePanel() {
    auto* panel = new QLabel("Sample");
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::Light, QColor(192, 192, 192));  // the sunken edge on white
    panel->setPalette(white);
    panel->setMinimumHeight(44);
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    panel->setMinimumWidth(1);
    return panel;
}

// A group of the "&Other" page: its explanation, if any, wrapped above its control.
QGroupBox* OtherGroup(const QString& caption, const QString& explanation, QWidget* control,
                      int bottomMargin = 2) {
    auto* box = new QGroupBox(caption);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, bottomMargin);
    layout->setSpacing(2);
    if (!explanation.isEmpty()) {
        auto* text = new QLabel(explanation);
        text->setWordWrap(true);
        text->setBuddy(control);  // its "&" key, if it has one, goes to the control
        layout->addWidget(text);
    }
    layout->addWidget(control);
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
    connect(cancelBtn, &QPushButton::clicked, this, &OptionDialogWidget::reject);

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

void OptionDialogWidget::reject() {
    dialog_.CancelBtnClick();
    QDialog::reject();
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
    auto* languageLabel = new QLabel("&Printing language:");
    languageLabel->setBuddy(comboBox1_);
    top->addWidget(languageLabel);
    top->addWidget(comboBox1_);
    top->addStretch();
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget* OptionDialogWidget::BuildFontsPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(10);
    layout->addLayout(BuildFontList(), 3);
    layout->addLayout(BuildFontChoice(), 2);
    return page;
}

QLayout* OptionDialogWidget::BuildFontList() {
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
    return left;
}

QLayout* OptionDialogWidget::BuildFontChoice() {
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

    boldButton_ = StyleButton("&B", "BoldButton", "Bold", &QFont::setBold);
    connect(boldButton_, &QPushButton::clicked, this,
            [this](bool down) { dialog_.BoldButtonClick(down); });
    italicButton_ = StyleButton("&I", "ItalicButton", "Italic", &QFont::setItalic);
    connect(italicButton_, &QPushButton::clicked, this,
            [this](bool down) { dialog_.ItalicButtonClick(down); });
    panel1_ = SamplePanel();

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
    return right;
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
    showDlrVulCheckBox_ = new QCheckBox("&Show dealer and vulnerability on printouts and HTML");
    showDlrVulCheckBox_->setObjectName("ShowDlrVulCheckBox");
    connect(showDlrVulCheckBox_, &QCheckBox::clicked, this,
            [this](bool checked) { dialog_.ShowDlrVulCheckBoxClick(checked); });
    useColorCheckBox_ = new QCheckBox("&Use colors");
    useColorCheckBox_->setObjectName("UseColorCheckBox");
    connect(useColorCheckBox_, &QCheckBox::clicked, this,
            [this](bool checked) { dialog_.UseColorCheckBoxClick(checked); });
    gifLocationEdit_ = new QLineEdit;
    gifLocationEdit_->setObjectName("GIFLocationEdit");
    connect(gifLocationEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { dialog_.GIFLocationEditChange(FromQString(text)); });

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(OtherGroup("Dealer and Vulnerability", {}, showDlrVulCheckBox_));
    layout->addWidget(OtherGroup(
        "Printer Color",
        "Check this box to have color printers print red heart and diamond symbols (and some "
        "black and white printers to shade them).",
        useColorCheckBox_));
    layout->addWidget(OtherGroup(
        "Location of GIFs on Web Site",
        "&Enter the directory for the suit and board gifs at your web site.  If you keep the "
        "gifs in the same directory as the html pages, leave blank.",
        gifLocationEdit_, 4));
    for (std::size_t row = 0; row < kOptionBoxes.size(); ++row) {
        const OptionBox& option = kOptionBoxes[row];
        auto* box = new QCheckBox(ToQString(option.caption));
        box->setObjectName(ToQString(option.setting.name) + "CheckBox");
        connect(box, &QCheckBox::clicked, this,
                [this, &option](bool checked) { dialog_.OptionBoxClick(option.setting, checked); });
        layout->addWidget(OtherGroup(ToQString(option.group), ToQString(option.explanation), box));
        optionBoxes_[row] = box;
    }
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

void OptionDialogWidget::SetOptionBox(std::size_t row, bool checked) {
    QCheckBox* box = optionBoxes_.at(row);
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
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
