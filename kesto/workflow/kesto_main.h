#pragma once
// TKestoMain: the main window's logic. It owns the board set and the workflow's state, runs
// start-up and shutdown, moves between the three pages with every check and question on the
// way, and handles the hand-entry page. It talks to the window only through MainWindowView;
// every public handler carries the name of the control it serves.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/deal/deal.h"
#include "kesto/deal/deal_source.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/html/html_export.h"
#include "kesto/html/html_library.h"
#include "kesto/options/settings_store.h"
#include "kesto/print/print_destination.h"
#include "kesto/print/printing_library.h"
#include "kesto/workflow/background_analysis.h"
#include "kesto/workflow/board_view.h"
#include "kesto/workflow/main_window_view.h"
#include "kesto/workflow/plan_choice.h"

namespace kesto {

class Clock;
class DoubleDummySolver;
class LanguageTable;
class SecureRandom;
class TOptionDlg;

// The hand-entry page's "Deal:" number runs from 1 to this.
inline constexpr int kMaxDealNumber = kMaxBoards;

class TKestoMain {
  public:
    // The view, clock and language table must outlive the object. Every read and write of the
    // settings goes to the given file. The loader binds the two libraries by name
    // (LoadSharedLibrary in the program). The analysis asks solver, which must outlive the
    // object too, or, when null (the program), a solver process of its own.
    TKestoMain(MainWindowView& view, const Clock& clock, const LanguageTable& languages,
               SettingsFile settings, LibraryLoader loader = SystemLibraryLoader(),
               DoubleDummySolver* solver = nullptr);
    ~TKestoMain();  // FormDestroy
    TKestoMain(const TKestoMain&) = delete;
    TKestoMain& operator=(const TKestoMain&) = delete;

    // Start-up, its ten steps in order. Afterwards TerminateRequested() says whether the
    // program must end instead of entering normal operation.
    void FormCreate();
    bool TerminateRequested() const { return terminateRequested_; }
    // The window is now on screen (the date check box opens its dialog only from now on).
    void FormShow();
    // Before the window closes, whatever closes it: true at once when closing loses nothing;
    // otherwise asks "Save the deals before closing?" and gives true after Close Without
    // Saving, or after Save once the boards are saved.
    bool MayClose();
    // The window closes: writes the remembered settings.
    void FormClose();
    // Frees the board set and unloads the libraries still loaded.
    void FormDestroy();

    // Moving between the pages.
    void NextBtnClick();
    void PrevBtnClick();

    // The File menu's "&New": drops the boards in hand, after asking about boards not saved,
    // and shows the first page, to deal, record or read new ones.
    void NewMenuClick();
    // The File menu's "&Open...": reads a deal file, from any page, as "Read deals fro&m file"
    // does. Boards not saved are asked about first; Cancel in the open dialog changes nothing.
    void OpenMenuClick();
    // The boards have changed since they were read or last saved, or were never saved: closing
    // now would lose them. A board set without a card has nothing to lose.
    bool BoardsChanged() const;
    // The file the boards were read from or last saved to; empty when they have none.
    const std::string& FileName() const { return fileName_; }

    // The first page.
    // The choice "&Generate random deals", "&Record deals that have already been dealt",
    // "Read deals fro&m file".
    void RadioGroup1Click(DealSource mode);
    void CheckBox3Click(bool checked);           // "Use &date as default second line"
    void Edit17Change(const std::string& text);  // "Line &1"
    void Edit18Change(const std::string& text);  // "Line &2"
    void UpDown1Change(int count);               // "N&umber of random deals to generate"
    // "Deal to a p&lan": Next in generate mode deals to the plan instead (not stored: each
    // start deals as before until it is ticked).
    void PlanCheckBoxClick(bool checked);
    // The plan dialog's OK: the plan's text, "Mix the &themes" and "Keep the script's seats as
    // written" are kept and stored, and "Deal to a p&lan" is ticked; a dealer script's
    // "produce N" becomes the number of random deals. The dialog lets only a plan that can be
    // read through.
    void PlanDlgOk(const PlanChoice& chosen);
    // A deal file given to the program when it starts ("kesto FILE", a file opened from the
    // file manager): on the first page, read as "Read deals fro&m file" reads the file the
    // user picks, with the same messages and notices, and on to the page its deals lead to.
    void OpenDealFile(const std::string& fileName);

    // The print page.
    void UpDown3Change(int copies);  // "N&umber of copies (with all hands):"
    // "Number of sets of &individual deal sheets" changed to this text;
    // RememberedIndividualSets follows it when it is a whole number.
    void UpDown4Change(const std::string& text);
    void UpDown5Change(int statSheets);     // "Nu&mber of statistic sheets"
    void CurtainsClick(bool checked);       // "Print cu&rtain cards"
    void StatsWithHtmlClick(bool checked);  // "Inc&lude statistics in HTML"
    // The board viewer's list: shows the board at this position, which the hand-entry page
    // shows too (CurrentDeal).
    void BoardListClick(int position);
    // The board the viewer shows, with its makeable contracts as far as the analysis has them
    // when they are shown; the window asks again while the analysis runs. Board 0 for none.
    BoardDiagram ViewedBoard() const;
    void PrintBtnClick();  // "Prin&t"
    // What "Prin&t" prints: the board set, the header lines and the print page's counts as
    // they stand now. The request points at boardSet.
    PrintJobRequest PrintRequest() const;
    // What printing and dealing need besides the window: the options dialog's live values (it
    // must outlive this object; without one the job prints with the current language and the
    // default fonts, and deals with the classic generator) and where the printouts go (without
    // a factory no statistics sheet can be printed). The program sets both right after
    // creating the options dialog.
    void SetOptions(const TOptionDlg* options) { options_ = options; }
    void SetPrintOutputFactory(PrintOutputFactory factory) { printOutput_ = std::move(factory); }
    // "&Save", on every page: the board set without its trailing deals without cards. A kind
    // of file that carries the makeable contracts (PBN) takes them from analysis when given
    // (the batch's --analyse), else calls AwaitAnalysis first when ShowMakeableContracts(), and
    // writes nothing when it gives null. True when the boards were saved: the file is then
    // theirs (FileName).
    bool SaveBtnClick(const DealAnalyser* analysis = nullptr);
    // "&Create": the HTML export command (kesto/html/html_export.h) with the window's hints
    // and options dialogs and the live option values.
    void CreateBtnClick(HtmlExportView& htmlView, const HtmlPageOptions& options);

    // "Show &makeable contracts and par": the options say so (never without options).
    bool ShowMakeableContracts() const;
    // The analysis of the board set, started in the background each time the print page shows
    // while the makeable contracts are shown; null until the first start, so with the option
    // off no analysis ever runs.
    const BackgroundAnalysis* Analysis() const { return analysis_.get(); }
    // What printing, the HTML page and saving call before they write with the makeable
    // contracts: starts the analysis of the board set when it is not running or done, lets
    // the window wait for it with its progress shown, and gives the analyser, or null when
    // nothing is to be written: the wait was cancelled (the analysis stops too), or the
    // analysis failed and the user has been told why.
    const DealAnalyser* AwaitAnalysis();
    // After OK in the options dialog: the page shows the new words, and on the print page the
    // analysis starts at once when the makeable contracts were just turned on, as entering the
    // page starts it, and stops when they were turned off.
    void OptionsApplied();
    // The notice naming the boards whose makeable contracts, as the deal file last read gives
    // them, differ from what analyser found (FileAnalysisDiffersText); "" when none differ.
    // Boards changed since are left out. Told once: the file's tables are forgotten then.
    std::string TakeFileAnalysisNotice(const DealAnalyser& analyser);

    // The count fields take only the digits and backspace.
    static bool CountKeyPress(char key);

    // The hand-entry page. Edit1 stands for all sixteen suit fields, told apart by field.
    void Edit1KeyPress(SuitField field, char key);
    enum class EditKey { Delete, Backspace };
    // The caret position is the field's before the key.
    void Edit1KeyDown(SuitField field, EditKey key, int caret);
    void Edit1Enter(SuitField field);
    // Enter in a suit field presses the "F&ill in" button that is shown, if any; otherwise it
    // is an ordinary typed character.
    void EnterKeyPress(SuitField field);
    void Button1Click(Seat seat);       // "F&ill in"
    void Button5Click();                // "&Clear deal"
    void Edit20Change(int dealNumber);  // the "Deal:" number's up-down control

    // Redraws the page from the model and hands the whole display to the view.
    void Refresh();

    // State other commands read and set.
    tBoardSet boardSet;
    int CurrentDeal = 0;
    bool Printed = false;
    bool DealsComplete = false;
    bool PrintEmptyDeals = false;
    int RememberedIndividualSets = 1;
    int DateFormatIndex = 0;
    bool UseDateInHeader = false;
    bool SuppressSetWarning = false;
    bool SuppressHTMLAlert = false;

    // The generator starts from this state instead of the time of day read at start-up.
    void SeedGenerator(std::uint32_t state) { random_.RandomState = state; }

    Page CurrentPage() const { return page_; }
    DealSource Mode() const { return mode_; }
    const std::string& HeaderLine1() const { return line1_; }
    const std::string& HeaderLine2() const { return line2_; }
    int RandomDealCount() const { return randomCount_; }
    const PlanChoice& CurrentPlan() const { return plan_; }
    const PrintingLibrary* Printing() const { return printing_.get(); }
    const HtmlLibrary* Html() const { return html_.get(); }
    const SettingsFile& Settings() const { return settings_; }
    // The ten as the hand-entry page writes it: "T" or "10".
    std::string HandTenText() const;

  private:
    void BindLibraries();
    void ReadSettings();
    void ShowPage(Page page);
    void NextOnFirstPage();
    // The generator the options ask for: the program's classic one, or the secure source
    // given, which must outlive the run.
    GeneratingRun ChosenGenerator(SecureRandom& secure);
    // The generating run, with the generator the options ask for; false after telling the
    // user that the secure source failed (the board set then stays empty).
    bool GenerateDeals();
    // Dealing to the plan, with its progress shown; false after telling the user why no
    // boards were dealt (or when the user cancelled).
    bool DealPlan();
    void ReadDealsFromFile();
    // The open dialog; the folder of the file chosen is stored for the next time.
    FileDialogResult ChooseDealFile();
    // A new board set from the file, or the first page without boards when it cannot be read.
    void ReadDealsFrom(const std::string& fileName);
    // Before boards not saved are dropped: asks the question, saves on Save; false when the
    // boards must stay (Cancel, or a save that did not happen).
    bool AskToSaveBoards(const SaveQuestion& question);
    // The boards now in hand are new: no file is theirs and none holds them yet.
    void StartNewBoards();
    std::string Caption() const;
    // The number of deals up to the last one with cards, and at least those the file read gave:
    // the hand-entry page keeps an empty deal after the last one typed, which is no board to
    // save or lose, but a file's own boards are all kept.
    std::size_t FilledCount(const tBoardSet& boards) const;
    void NextOnEnterHandPage();
    void ShowDeal(int position);
    tDeal& Current();
    void FillDisplay();
    void PutDateInLine2();
    void StartAnalysis();

    MainWindowView& view_;
    const Clock& clock_;
    const LanguageTable& languages_;
    const SettingsFile settings_;
    LibraryLoader loader_;
    std::unique_ptr<PrintingLibrary> printing_;
    std::unique_ptr<HtmlLibrary> html_;
    const TOptionDlg* options_ = nullptr;
    PrintOutputFactory printOutput_;
    RandomGenerator random_;
    DoubleDummySolver* const solver_;  // null: a solver process of the analyser's own
    std::unique_ptr<DealAnalyser> analyser_;
    std::unique_ptr<BackgroundAnalysis> analysis_;  // before analyser_ in destruction
    // The makeable contracts the deal file last read gives, board by board with the deal they
    // were given for; a table of -1 where the file gives none. Only checked, never shown.
    std::vector<std::pair<tDeal, DoubleDummyTable>> tricksRead_;
    std::size_t boardsRead_ = 0;  // the boards the file read last gave
    std::string fileName_;
    tBoardSet savedBoards_;  // as last read or saved

    bool terminateRequested_ = false;
    bool shown_ = false;
    Page page_ = Page::First;
    DealSource mode_ = DealSource::Generate;
    int randomCount_ = 30;
    PlanChoice plan_;
    int copies_ = 1;
    int sets_ = 1;
    int statSheets_ = 0;
    bool curtains_ = false;
    bool statsWithHtml_ = false;
    bool createEnabled_ = true;
    bool headerEnabled_ = true;
    std::string line1_, line2_;
    MainWindowDisplay display_;
};

}  // namespace kesto
