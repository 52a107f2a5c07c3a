#include "kesto/workflow/read_deals.h"

#include <algorithm>
#include <utility>

#include "kesto/files/read_deal_file.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/ui.h"
#include "kesto/workflow/date_format.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

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
            AcceptNotice(texts::OtherDealerOrVulnerabilityText(fileName,
                                                               contents.otherDealerOrVulnerability),
                         ui));
}

void TKestoMain::ReadDealsFromFile() {
    FileDialogRequest request;
    request.title = std::string(kOpenDialogTitle);
    request.filter = std::string(kOpenDialogFilter);
    request.defaultExtension = std::string(kOpenDialogDefaultExtension);
    request.initialDirectory = dialogDirectory_;
    request.mustExist = true;
    {
        SettingsStore store(settings_);
        store.OpenKey(kSettingsKey, true);
        request.filterIndex = store.Read(kFileType);
        store.CloseKey();
    }
    const FileDialogResult chosen = view_.OpenFileDialog(request);
    if (!chosen.accepted) {
        Refresh();
        return;
    }
    // The next dialog starts in the folder the user last chose.
    dialogDirectory_ = DirectoryOf(chosen.fileName);
    DealFileContents contents;
    // Cancel on a notice reads nothing, as a file that cannot be read.
    if (!ReadDealFile(chosen.fileName, view_, contents) ||
        !AcceptFileNumbering(chosen.fileName, contents, view_)) {
        boardSet.clear();
        Refresh();
        return;
    }
    boardSet = std::move(contents.boardSet);
    // Another program's analysis spares solving these deals again.
    tricksRead_.clear();
    for (std::size_t i = 0; i < contents.doubleDummyTricks.size(); ++i)
        tricksRead_.emplace_back(boardSet[i], contents.doubleDummyTricks[i]);
    line1_ = std::move(contents.header1);
    line2_ = contents.header2Date ? FormatDate(DateFormatIndex, *contents.header2Date, clock_)
                                  : std::move(contents.header2);
    {
        SettingsStore store(settings_);
        store.OpenKey(kSettingsKey, true);
        store.Write(kFileType, chosen.filterIndex);
        store.CloseKey();
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
    if (contents.dealsComplete)
        NextOnEnterHandPage();
}

}  // namespace kesto
