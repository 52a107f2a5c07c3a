#include "kesto/workflow/read_deals.h"

#include <algorithm>
#include <utility>

#include "kesto/files/deal_file_kinds.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/ui.h"
#include "kesto/workflow/date_format.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

// Every kind's number is one the stored FileType holds, and none is the number of no one kind.
static_assert(std::ranges::all_of(kDealFileKinds, [](const DealFileKindRow& row) {
    return row.fileType > kFileType.standsFor && kFileType.InRange(row.fileType);
}));

std::string OpenDialogFilter() {
    std::string every;
    std::string kinds;
    for (const DealFileKindRow& row : kDealFileKinds) {
        every += (every.empty() ? "" : ";") + row.Pattern();
        kinds += "|" + row.OpenEntry();
    }
    return std::string(kEveryDealFileEntry) + "|" + every + kinds + "|" +
           std::string(kAllFilesEntry) + "|*.*";
}

bool ReadDealFile(const std::string& fileName, Ui& ui, DealFileContents& contents) {
    const Status read = ReadAnyDealFile(fileName, contents);
    if (!read.Ok()) {
        ui.ShowMessage(MessageKind::Error, read.Reason(), MessageButtons::Ok);
    }
    return read.Ok();
}

bool NumberedAsKestoNumbers(const std::vector<int>& fileNumbers) {
    for (std::size_t i = 0; i < fileNumbers.size(); ++i) {
        if (fileNumbers[i] != 0 && fileNumbers[i] != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}

namespace {

bool AcceptNotice(const std::string& text, Ui& ui) {
    return ui.ShowMessage(MessageKind::Warning, text, MessageButtons::OkCancel) == Answer::Ok;
}

}  // namespace

bool AcceptBoardNumbers(const std::string& fileName, const std::vector<int>& fileNumbers, Ui& ui) {
    return NumberedAsKestoNumbers(fileNumbers) ||
           AcceptNotice(texts::BoardsRenumberedText(fileName, fileNumbers), ui);
}

bool AcceptFileNumbering(const std::string& fileName, const DealFileContents& contents, Ui& ui) {
    return AcceptBoardNumbers(fileName, contents.boardNumbers, ui) &&
           (contents.otherDealerOrVulnerability.empty() ||
            AcceptNotice(
                texts::OtherDealerOrVulnerabilityText(fileName, contents.kind == DealFileKind::Pbn,
                                                      contents.otherDealerOrVulnerability),
                ui));
}

void TKestoMain::OpenMenuClick() {
    ReadDealsFromFile();
}

void TKestoMain::ReadDealsFromFile() {
    if (!AskToSaveBoards({std::string(texts::kSaveBeforeReading),
                          std::string(texts::kReadWithoutSaving), std::string()})) {
        return;
    }
    const FileDialogResult chosen = ChooseDealFile();
    if (!chosen.accepted) {
        Refresh();
        return;
    }
    ReadDealsFrom(chosen.fileName);
}

FileDialogResult TKestoMain::ChooseDealFile() {
    FileDialogRequest request;
    request.title = std::string(kOpenDialogTitle);
    request.filter = OpenDialogFilter();
    request.defaultExtension = std::string(kOpenDialogDefaultExtension);
    request.mustExist = true;
    {
        const SettingsStore store(settings_);
        request.initialDirectory = store.Read(kDealFileFolder);
    }
    const FileDialogResult chosen = view_.OpenFileDialog(request);
    if (chosen.accepted) {
        // The next read or save dialog opens where the user found this file, even one that
        // turns out not to read: the right one is most likely beside it.
        SettingsStore(settings_).Write(kDealFileFolder, DirectoryOf(chosen.fileName));
    }
    return chosen;
}

void TKestoMain::OpenDealFile(const std::string& fileName) {
    if (page_ != Page::First) {
        return;
    }
    ReadDealsFrom(fileName);
}

void TKestoMain::ReadDealsFrom(const std::string& fileName) {
    mode_ = DealSource::ReadFromFile;
    Printed = false;
    boardSet.clear();
    StartNewBoards();
    DealFileContents contents;
    // Cancel on a notice reads nothing, as a file that cannot be read.
    if (!ReadDealFile(fileName, view_, contents) ||
        !AcceptFileNumbering(fileName, contents, view_)) {
        ShowPage(Page::First);
        return;
    }
    boardSet = std::move(contents.boardSet);
    boardsRead_ = boardSet.size();
    fileName_ = fileName;
    savedBoards_ = boardSet;
    // Another program's analysis, to be checked against the solver's.
    tricksRead_.clear();
    for (std::size_t i = 0; i < contents.doubleDummyTricks.size(); ++i) {
        tricksRead_.emplace_back(boardSet[i], contents.doubleDummyTricks[i]);
    }
    // A file without header lines leaves those the director typed, or today's date, as they are.
    if (contents.holdsHeaderLines) {
        line1_ = std::move(contents.header1);
        line2_ = contents.header2Date ? FormatDate(DateFormatIndex, *contents.header2Date, clock_)
                                      : std::move(contents.header2);
    }
    // A file that says its deals are complete goes straight to the print page only when every
    // deal holds all 52 cards; otherwise its deals get the checks of typed-in deals, at once.
    const bool allWhole = std::all_of(boardSet.begin(), boardSet.end(), [](const tDeal& deal) {
        return deal.CardCount() == kCardsInDeck;
    });
    if (contents.dealsComplete && allWhole) {
        DealsComplete = true;
        ShowPage(Page::Print);
        return;
    }
    DealsComplete = false;
    ShowPage(Page::EnterHand);
    if (contents.dealsComplete) {
        NextOnEnterHandPage();
    }
}

}  // namespace kesto
