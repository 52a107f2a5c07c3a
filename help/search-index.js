// Made by make_search_index.py from the help pages; do not edit by hand.
var KESTO_HELP_INDEX = [
{
"page": "about.html",
"anchor": "",
"heading": "About Kesto",
"text": "About Kesto This is the manual of Kesto, version 3.26 , the program that prepares the boards of a duplicate bridge game for a club's director. The about box ( Help > About Kesto ) shows the same version and Kesto's licence; its link opens this page.",
"title": "About Kesto"
},
{
"page": "about.html",
"anchor": "licence",
"heading": "Licence",
"text": "Copyright 2026 The Kesto developers. Kesto is given under a proprietary licence: all rights reserved.",
"title": "About Kesto"
},
{
"page": "about.html",
"anchor": "parts",
"heading": "What Kesto is made of",
"text": "Kesto is one program with two libraries beside it: the printing library, which prints hand records, individual deal sheets, curtain cards and statistics sheets, and the web page library, which makes the HTML page of the deals. The batch command ( kesto batch ) does the same work without a window; see The batch command .",
"title": "About Kesto"
},
{
"page": "about.html",
"anchor": "manual",
"heading": "This manual",
"text": "The manual ships with the program, in the help folder beside it (installed, in share/kesto/help beside the program's bin folder), and opens in your web browser without a network connection. Start from the contents or use the topic search .",
"title": "About Kesto"
},
{
"page": "batch.html",
"anchor": "",
"heading": "The batch command: Kesto without a window",
"text": "The batch command: Kesto without a window The same kesto program runs one job from a terminal or a script, with no window: deal or read the boards, save them, write the web page, print. It uses the same settings and options as the window (the fonts, the language, the image location ...) but never changes them. It works on a computer without a screen too. kesto batch [options] Option What it does --seed N start the random generator at N (0 to 4294967295) instead of the clock, so the same N always gives the same boards --generate N deal N random boards (1 to 500), as Generate random deals --secure deal from the system's secure random source, as the option Deal with a secure random generator does; not together with --seed or --read --read FILE read a deal file of any kind, as Read deals from file --plan TEXT , --plan-file FILE , --mix deal only boards that meet a plan, given on the command line or in a text file, as Deal to a plan does; --mix mixes the themes; not together with --read --header1 TEXT , --header2 TEXT the two header lines --list print each board's deal record, one line per board --analyse after any --list output, one line per complete board with its double-dummy tricks, par score and par contract as PBN tags; --print , --html and --save x.pbn then carry the makeable contracts and par , whatever the option says --save FILE save the boards; .dlm gives a Duplimate file, .dup a Duplimate DOS file, .pbn a PBN file for other programs, anything else Kesto's own file; may be given more than once --html FILE write the web page --stats with --html : add the statistics --gif-location TEXT with --html : the image location (default: the one in the Options dialog) --print print, with the counts below (all 0 unless given) --copies N , --sets N , --stat-sheets N , --curtains copies with all hands, sets of individual deal sheets, statistic sheets, curtain cards --language NAME the printing language for this run, by its name (English, Dansk, Deutsch, Dutch, Français, Italiano, Polski, Svenska) --output-folder DIR printouts go to DIR as PDF files, whatever printer is chosen --help list the options kesto batch --help always lists the options of the installed version. Without --output-folder , --print prints on the printer chosen in Printer setup , or writes PDF files into the folder chosen there and names it. A chosen printer that this computer does not have stops the job with a message that names it (status 1); nothing is printed elsewhere.",
"title": "The batch command: Kesto without a window"
},
{
"page": "batch.html",
"anchor": "",
"heading": "Examples",
"text": "Deal 24 boards for Thursday, save them for the dealing machine and as a Kesto file, and make the web page with statistics: kesto batch --generate 24 --header1 \"Riverside Bridge Club\" --header2 \"Thursday pairs\" \\ --save thursday.dlm --save thursday.kst --html thursday.html --stats Print two copies of the hand records and curtain cards of a saved session as PDF files, in German: kesto batch --read thursday.kst --print --copies 2 --curtains --language Deutsch \\ --output-folder printouts",
"title": "The batch command: Kesto without a window"
},
{
"page": "batch.html",
"anchor": "",
"heading": "Exit status",
"text": "Status Meaning 0 done 1 a failure; the message (the same text the window shows) goes to standard error 2 a mistake in the options; a short usage hint follows A file whose boards are numbered otherwise than 1, 2, 3 ... is read as the window reads it after OK on the board-number notice : the notice goes to standard error as a warning ( kesto batch: warning: The boards in ... ) and the job goes on.",
"title": "The batch command: Kesto without a window"
},
{
"page": "curtain-cards.html",
"anchor": "",
"heading": "Curtain cards",
"text": "Curtain cards A curtain card is a small card with one hand of one board: the board number, the position (North, East, South or West), the dealer and the vulnerability (for example Dlr: North and Vul: N-S ) and the thirteen cards. They go into the pockets of the board wallets so that the players can check their hands, or so that boards can be dealt by hand from them. Tick Print curtain cards on the print page; they print together with the rest when you press Print .",
"title": "Curtain cards"
},
{
"page": "curtain-cards.html",
"anchor": "",
"heading": "Layout: the Curtain Cards page of the Options dialog",
"text": "Open Options > Curtain Cards... : Group Choices Collating Group hands by position : all North hands, then all East, South and West hands; handy when one person fills all North pockets. Group hands by board number : the four hands of board 1, then of board 2, and so on; handy when you fill one wallet at a time. Dimensions 5 x 6 cm, 5 x 7 cm (the usual size) or 5 x 8 cm: pick the one that fits your wallets' pockets. Orientation Portrait or Landscape: how the cards lie on the sheet. Three entries of the Fonts page set the look of curtain cards: Cards (on curtain cards) , Board No. (curtain cards) and Position Indicator (curtain cards) . The board label, the seat names and the words for dealer and vulnerability follow the printing language ; the dealer and the vulnerability are left off with Show dealer and vulnerability on printouts and HTML on the Other page. As many cards as fit share a page, with dashed cut lines along their edges. The hand is set as large as the cards allow, so it reads across the table: the card font chosen is where it starts, and it grows until the longest hand of the printout fills its card. All cards of one printout are set in the same sizes: when one hand is too long, every card of that printout uses the smaller size that holds it. OK keeps these choices, and Kesto remembers them; Cancel puts them back as they were.",
"title": "Curtain cards"
},
{
"page": "files.html",
"anchor": "",
"heading": "Deal files and the dealing machines that use them",
"text": "Deal files and the dealing machines that use them Press Save on the print page (or File > Save... , Ctrl + S , on any page) to write the deals to a file, and choose the kind of file in the Files of type list. To read deals back, choose File > Open... ( Ctrl + O ), or Read deals from file on the first page and Next >> . The open dialog lists every kind of file Kesto reads ( All deal files Kesto reads , where it opens), each kind on its own, and all files. Kesto recognises the kind of a file from its contents, not from its name or the entry you pick. A name typed with the extension of a kind Kesto saves is saved as that kind, whatever the Files of type list shows: evening.lin is written as a LIN file, machine.dup as a Duplimate DOS file. Any other name is saved as the kind picked in the list, and a name without an extension gets that kind's extension. Both dialogs open in the folder where you last read or saved a deal file; the first time, in your documents folder. The save dialog shows the kind you saved last. For boards read from a file or saved before, it opens in that file's folder with its name, on its kind; an older Kesto text file keeps its name, with the extension of the kind shown. The dialog of the web page remembers its own folder. File type Extension Use it for Kesto files .KST Kesto's own file: a PBN 1.0 file (the Portable Bridge Notation that most bridge programs read) with the two header lines and whether the hands were dealt by Kesto or entered by you. Use it to keep a session, to finish recording later, or to pass the deals to scoring and analysis programs that read PBN. Duplimate files .DLM The document file of the Duplimate dealing machine (Windows software). The machine's software reads it and the machine then deals the boards exactly as Kesto dealt them. A DLM file always lists 99 boards: your boards first, the rest filled with a placeholder deal (the file's \"To board\" line tells the machine's software how many boards are yours). The machine numbers boards 1 to 99: Kesto refuses to save more than 99 boards as a DLM file, and an existing file stays as it was. Duplimate files (DOS version) .DUP The deal file of the older DOS software of the Duplimate machine. It holds only the deals: no header lines. Deals read from a DUP file count as complete. Like a DLM file it holds at most 99 boards. PBN .pbn A standard PBN 2.1 file for other programs: scoring programs, other dealing programs, bridge web sites. See Handing the deals to other programs . BRI dealing machine .BRI The older file of the dealing machines and their dealing programs: 128 bytes a board, North's, East's and South's cards as card numbers (West holds the rest). It holds only the deals: no header lines, no board numbers. DGE dealing machine .DGE The dealing machines' other 128-byte file: the four hands written out, suit by suit. It holds only the deals. LIN for online play .lin The hand file of the online table: one line a board with its number, the four hands, and its dealer and vulnerability. Kesto also reads the hand files the online table's hand viewer writes, with players, auction and play (it keeps the deals). The first line carries the header lines as the event's name. Kesto writes it in UTF-8, as the online table does, and reads UTF-8 and Windows-1252 files alike. Kesto also reads the plain-text deal files of earlier versions of the program (they start with a line such as Kesto ... Hands randomly generated. ; the open dialog lists them as Older Kesto text files (*.txt) ). It never writes them. The Duplimate, BRI and LIN files hold only whole deals of 52 cards: a board set with a deal left without cards is not saved as .DLM , .DUP , .BRI or .lin (the message names the board); save it as a .KST file.",
"title": "Deal files and the dealing machines that use them"
},
{
"page": "files.html",
"anchor": "",
"heading": "Reading a file",
"text": "After a successful read the board set holds the deals of the file, and the header lines are taken from the file where it has them. If the deals are complete (generated by Kesto, or from a DUP file), Kesto goes to the print page. If they were entered by hand, it shows the hand-entry page so you can check or finish them first. A file that says its deals are complete but holds a deal of fewer than 52 cards (a file cut short, for example) goes to the hand-entry page with the same message as a deal you typed ( Deal 1 has only 51 cards. ), so nothing short is ever printed. A file Kesto cannot read gives the message Error reading followed by the file's name; the deals you had are left empty and the first page stays. A deal no table can hold is never read: the message names its board and what is wrong ( Board 3 holds the ten of hearts twice. , Board 2 gives North 14 cards. , a character that is no card). Every board of a file is read, or the file is not read at all: a board whose deal is missing or damaged is named ( Board 2 has no deal: its md pair is missing. ). A deal without cards stays in its place, the last one too, and is named as a typed-in one is ( Deal 3 has no cards. ). A file holds at most 500 boards, as many as Kesto deals at one time; a file with more is not read.",
"title": "Deal files and the dealing machines that use them"
},
{
"page": "files.html",
"anchor": "pbn",
"heading": "PBN files from other programs",
"text": "Most dealing programs, the software of dealing machines, scoring programs and bridge web sites exchange deals as PBN files (Portable Bridge Notation). Kesto reads them with Read deals from file like its own files, whatever their name or extension (the open dialog lists .pbn files under PBN files , and with every other kind under All deal files Kesto reads ): Each game of the file that gives a deal becomes a board, in the order of the file. Games without a deal (a header of the event, results only) are passed over, and so are the auction, the play, comments and any tags Kesto has no use for. Where a file leaves out the empty line between two games, a second Board or Deal tag starts the next game, so no board is lost. Header line 1 is the first board's event; header line 2 its site, or its date when the site is not given, shown in the date format you chose. A value of ? (unknown) leaves the line empty. Names with accents read correctly from files in UTF-8 and in the Windows character set; a character the Windows character set does not have shows as ? . A hand the file does not give ( - ) holds the cards the other three leave when they are complete; otherwise it is read as a hand without cards, and Kesto shows the hand-entry page so you can add the cards ( Deal 1 has only 26 cards. ). Complete deals go straight to the print page. A file with a tag or a { comment that is not closed, a card that is no card, a card in two hands or a deal of fewer than four hands is not read: the message says which line or board ( The tag pair on line 7 is not complete. , Board 4 holds the ace of spades twice. ). So does every other file Kesto cannot read.",
"title": "Deal files and the dealing machines that use them"
},
{
"page": "files.html",
"anchor": "board-numbers",
"heading": "Board numbers",
"text": "Kesto numbers the boards 1, 2, 3 ... in the order it holds them, and the dealer and the vulnerability of each board follow that number. Some files number their boards otherwise: a PBN file of the second half of a session may hold boards 5 to 16, and a Duplimate file may start at a later board. Before such a file is read, Kesto tells you, for example: The boards in second-half.pbn are numbered 5 to 8. Kesto numbers them 1 to 4, and dealer and vulnerability follow the new numbers. Press OK to read the boards as boards 1, 2, 3 ... (board 5 of the file becomes board 1, dealt by North with nobody vulnerable), or Cancel to read nothing and stay on the first page. Files numbered 1, 2, 3 ... read without a question. The batch command shows the same text as a warning and goes on. A PBN file may give its boards a dealer and vulnerability of its own, such as a teaching set in which North deals every board. Kesto deals every board with the dealer and vulnerability of its number, and before reading such a file names the boards that change, with the same OK and Cancel : In lesson.pbn, the Dealer or Vulnerable tag of boards 2 to 4 differs from the usual rotation. Kesto gives every board the dealer and vulnerability of its number, so these change.",
"title": "Deal files and the dealing machines that use them"
},
{
"page": "files.html",
"anchor": "",
"heading": "Working with a dealing machine",
"text": "Deal the boards in Kesto ( Generate random deals ). Save as Duplimate files (*.DLM) (or .DUP for the DOS software) on a memory stick or in the folder the machine's software reads. Print the hand records in Kesto; the machine deals the same boards. Save the same deals as a .KST file too, so you can make the web page or reprint later.",
"title": "Deal files and the dealing machines that use them"
},
{
"page": "files.html",
"anchor": "pbn-out",
"heading": "Handing the deals to other programs (PBN)",
"text": "Choose PBN (*.pbn) in the Files of type list to write a PBN file in the strict form of the PBN 2.1 standard that other bridge programs read. Each board becomes one game with the fifteen tags every PBN program knows: Event is header line 1, Site header line 2. Date is the date in the form 2026.12.09 when header line 2 is a date in one of Kesto's date formats (as Use date as default second line puts it there); otherwise it is ? , \"not known\". Board is the board number, and Dealer and Vulnerable go with it, as on the printed hand records. Deal holds the four hands, starting with the dealer. A hand you have not entered is written as - , \"not known\". The players, the scoring, the contract and the result are ? : Kesto deals the boards, it does not score them. The standard allows the characters of ISO 8859-1 only: a character outside it (the euro sign, a dash) is written as ? , and a header line too long for one line of the file (255 characters) is cut to fit. Kesto reads its own PBN files back to the same boards and header lines. Keep the .KST file as well if you want Kesto to remember that the hands were entered by hand rather than dealt. Saving never changes the deals. Kesto asks before it replaces an existing file of the same name.",
"title": "Deal files and the dealing machines that use them"
},
{
"page": "index.html",
"anchor": "",
"heading": "Kesto Help",
"text": "Kesto Help Kesto prepares the boards of a duplicate bridge game. It deals the boards at random, or records deals that were dealt at the table, or reads them from a deal file; and it makes everything you need from them: hand records with all hands, individual deal sheets, curtain cards, statistics sheets, files for the Duplimate dealing machine, Kesto's own deal file, and a web page of the deals for your club's site. The printed words can be in eight languages.",
"title": "Kesto Help"
},
{
"page": "index.html",
"anchor": "",
"heading": "Contents",
"text": "The three pages: from choosing the deals to printing Recording hands dealt at the table Dealing to a plan: boards for teaching nights Deal files and the dealing machines that use them Printing hand records, deal sheets and statistics Curtain cards The web page and its images The Options dialog: fonts, curtain cards and other choices Languages of the printed words The batch command: Kesto without a window Where Kesto keeps its settings About Kesto and its version",
"title": "Kesto Help"
},
{
"page": "index.html",
"anchor": "",
"heading": "A typical session",
"text": "Start Kesto. The first page shows Generate random deals with 30 deals. Type your club's name into Line 1 of the header and, if you like, tick Use date as default second line . Press Next >> . Kesto deals 30 boards and shows the print page. Ask for one copy with all hands and one set of individual deal sheets and press Print . Press Save to keep the deals, for example as a Duplimate .DLM file for the dealing machine. Press Create to make a web page of the deals for your club's site. Press Done .",
"title": "Kesto Help"
},
{
"page": "index.html",
"anchor": "menus",
"heading": "Menus and keys",
"text": "Menu item Key What it does File > New Ctrl + N Shows the first page with no boards, to deal, record or read new ones. File > Open... Ctrl + O Reads a deal file, from any page, as Read deals from file does. See Deal files . File > Save... Ctrl + S Saves the boards, from any page, as Save on the print page does. File > Print... Ctrl + P Prints, as Print does; on the print page only. File > Printer setup... Chooses the printer, or the folder for PDF files. See Printing . File > Quit Ctrl + Q Ends Kesto, as the window's close box does. Options > Language... , Fonts... , Curtain Cards... , Other... Open the Options dialog at that page. Help > Contents F1 Opens these pages in your web browser. Help > Topic search Opens the topic search . Help > Dealing to a plan Opens Dealing to a plan . Help > About Kesto Shows the version and the licence. See About Kesto . A button, field or check box with an underlined letter is reached with Alt and that letter. On the print page Enter presses Print . New, Open, Quit and Done never drop boards that are not saved without asking; see Keeping the boards .",
"title": "Kesto Help"
},
{
"page": "languages.html",
"anchor": "",
"heading": "Languages of the printed words",
"text": "Languages of the printed words Hand records, curtain cards and the web page can be printed in eight languages: English, Dansk, Deutsch, Dutch, Français, Italiano, Polski and Svenska. Only the printed words change: the card letters, the seat names and letters, the vulnerability words and the labels for dealer and board. Kesto's own windows and messages stay in English.",
"title": "Languages of the printed words"
},
{
"page": "languages.html",
"anchor": "",
"heading": "Choosing the language",
"text": "Open Options > Language... . Choose the language in the list at the top. The fields below show its words. Press OK . Everything printed from now on, and every web page, uses that language; Kesto remembers it. When you change to a language other than English, Kesto reminds you that hand entry still uses the letters A, K, Q and J. On the hand-entry page the ten shows as 10 in every language whose ten is not \"T\".",
"title": "Languages of the printed words"
},
{
"page": "languages.html",
"anchor": "",
"heading": "Changing the words",
"text": "Every word can be corrected, for instance if your club writes Donneur as Donn. or wants K for the king in Dutch. Choose the language, type over the word and press OK . Kesto stores the words of that language and uses them from then on, also after a restart. Field Word for English A: K: Q: J: 10: ace, king, queen, jack, ten A K Q J T North: East: South: West: seat names (hand records, curtain cards) North East South West Vul: Both: None: vulnerability label, both sides, no side Vul Both None N: E: S: W: seat letters (web page) N E S W Dealer: Dlr: dealer label, long (deal sheets) and short (hand records, web page) Dealer Dlr Board: board label Board Words you typed are kept only when you press OK while that language is shown. Choosing another language in the list first discards what you typed. Cancel leaves the printing language and its words as they were.",
"title": "Languages of the printed words"
},
{
"page": "languages.html",
"anchor": "",
"heading": "The built-in card letters",
"text": "Language Ace King Queen Jack Ten Board label English A K Q J T Board Dansk E K D B 10 Spil Deutsch A K D B Z Board Dutch A H V B 10 Spel Français A R D V 10 Donne Italiano A K Q J 10 Mano Polski A K D W 10 Rozdanie Svenska E K D Kn 10 Bricka For a single batch run the language can be chosen with --language ; see The batch command .",
"title": "Languages of the printed words"
},
{
"page": "options.html",
"anchor": "",
"heading": "The Options dialog",
"text": "The Options dialog The Options menu has four items — Language... , Fonts... , Curtain Cards... and Other... — that open the Options dialog at the page of that name. The choices shape what is printed and the web page. Kesto remembers all of them when it ends. OK and Cancel. OK keeps what you chose on every page. Cancel , Esc and the close box put every page back as it was when the dialog opened.",
"title": "The Options dialog"
},
{
"page": "options.html",
"anchor": "language",
"heading": "Language",
"text": "The language of the printed words and the words themselves. See Languages of the printed words .",
"title": "The Options dialog"
},
{
"page": "options.html",
"anchor": "fonts",
"heading": "Fonts",
"text": "Seven kinds of printed text each have their own typeface, size and style. Choose the kind in the Text list, then set: Font Name : the typeface, from the fonts of this computer; Font Size : choose or type the size in points; B and I : bold and italic. The white sample panel shows the text in that font: the header text itself, the card letters of the printing language ( AKQJTx in English), the board label or the word for North. Text Used for Default Header Line 1 first header line of hand records Arial 14 bold Header Line 2 second header line Arial 10 Cards (on multi-deal printouts) hands on the hand records Arial 10 Cards (on single deal printouts) hands on individual deal sheets Arial 12 Cards (on curtain cards) hands on curtain cards Arial 14 Board No. (curtain cards) board number on curtain cards Arial 10 Position Indicator (curtain cards) seat name on curtain cards Arial 14 bold Restore all font defaults sets all seven back to the table above. The sample shows the change at once; the name and size fields show it when you next pick an entry in the list. A typeface that this computer does not have stays chosen (the name list then shows no selection and the sample does not change); printing uses the nearest font the system offers. Arial is printed with its metric twin Liberation Sans where Arial itself is not installed. The suit symbols always print in a symbol font.",
"title": "The Options dialog"
},
{
"page": "options.html",
"anchor": "curtain",
"heading": "Curtain Cards",
"text": "How curtain cards are grouped, their size and orientation. See Curtain cards .",
"title": "The Options dialog"
},
{
"page": "options.html",
"anchor": "other",
"heading": "Other",
"text": "Show dealer and vulnerability on printouts and HTML : each board shows its dealer and vulnerability (on by default). Use colors : colour printers print the heart and diamond symbols red (and some black-and-white printers shade them). Untick it to print everything in black (on by default). Location of GIFs on Web Site : where the web page finds its images. See The web page . Deal with a secure random generator ( Alt + R ): see Secure dealing below (off by default). Show makeable contracts and par ( Alt + M ): see Makeable contracts and par below (off by default).",
"title": "The Options dialog"
},
{
"page": "options.html",
"anchor": "secure",
"heading": "Secure dealing",
"text": "Kesto's classic generator starts from the time of day and follows a fixed formula, so there are only about 86 million different sessions, and a player who knows the first board of a session could in principle work out the others. For a club night that hardly matters; for a tournament, a simultaneous pairs or any event where a player might try, tick Deal with a secure random generator . Each deal then comes from the operating system's cryptographic random source and is shuffled so that every deal is exactly as likely as every other. Nobody can predict the deals or repeat them, not even you: keep the deal file you save. Everything else stays the same: board numbers, dealers, vulnerabilities, printouts and files. In the batch command, --secure deals this way whatever the option says, and --seed (which asks for the classic generator's repeatable deals) deals the classic way; the two cannot be given together.",
"title": "The Options dialog"
},
{
"page": "options.html",
"anchor": "makeable",
"heading": "Makeable contracts and par",
"text": "Tick Show makeable contracts and par to have the double-dummy solver work out, for every complete deal, how many tricks each player can take as declarer in each strain when all four hands play as well as possible with all the cards in view, and the par contract for the board's vulnerability. Hand records and the web page then show under each board, individual deal sheets beside it: a small table headed Makeable contracts (in the printing language), with the declarers N , S , E , W down the side and no trump and the four suits across. Each entry is the highest level that declarer makes in that strain ( 4 means ten tricks, so four of it makes); - means not even one of it makes; the par line, for example Par: 4♠ N, NS +420 : the contract that neither side can improve on by bidding on, with its result when the solver finds overtricks ( Par: 1♠+2 EW, NS -140 : one spade by East or West, making nine tricks), who plays it ( NS when either of them can), and the score from North-South's side, as the PBN file's OptimumScore gives it. A sacrifice shows what it costs: Par: 5♥X-2 E, NS +300 . When nobody can make anything, the line says Par: Pass . The seat letters are the printing language's; no trump is written as that language writes it ( SA in German, Dutch, French and Italian, UT in Danish, BA in Polish). Curtain cards never show it, and deals that are not complete get no table. The solver starts as soon as the print page shows, in the background: a bar on the page shows how far it is, moving every few deals, and you can go on working. Print and Create wait for it if it has not finished, with a progress window whose Cancel stops it: nothing is printed or written then. The solver runs as a program of its own: should it stop (for want of memory, say), Kesto keeps your deals and says The makeable contracts could not be worked out: the solver stopped and why, and nothing is printed or written. Saving a PBN file waits in the same way, and the file then carries each board's analysis as the standard tags DoubleDummyTricks , OptimumScore and ParContract , which scoring programs and bridge web sites read, and the OptimumResultTable that other PBN programs read. A PBN file's own tables are never shown as they stand: Kesto works out every board, and when a table the file gives differs from the solver's, it names those boards once ( The makeable contracts that the file gives for boards 1, 4 differ from the solver's; Kesto shows the solver's. ); a file saved again carries the solver's. A board set is worked out once; printing it again, making the page or saving it costs nothing more. With the option off, no analysis runs and every printout, page and file is exactly as before. In the batch command, --analyse does the same for --print , --html and --save x.pbn whatever the option says.",
"title": "The Options dialog"
},
{
"page": "plans.html",
"anchor": "",
"heading": "Dealing to a plan",
"text": "Dealing to a plan For a teaching night or a supervised practice session every board should practise a theme: a 1NT opening and its responses, weak twos, slam hands, competitive auctions. Write the themes as a plan , and Kesto deals random boards and keeps only those that meet it. The player who should open sits in each board's dealer seat, so the boards go into the dealing machine, the hand records, the curtain cards, the PBN or LIN file and the web page exactly as they are.",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "window",
"heading": "In the window",
"text": "On the first page choose Generate random deals . Press Plan... ( Alt + A ) and write the plan. An empty plan shows a worked plan in grey to show the form. Under the text the dialog says, as you type, where the plan cannot be read ( Line 2, column 17: a seat (N, E, S, W, dealer, lho, partner, rho) was expected. ), with that place underlined in the text, or how many boards it deals. After a short pause it shows how often a random deal meets each line ( Line 1: about 1 deal in 40 ), the figure growing more exact for a few seconds. A line that names a seat and the dealer may suit one dealer and not another: the dialog gives the odds of the dealer it suits least, and names the dealers with whom no deal can meet it ( about 1 deal in 120 with North dealing; never with East, South or West dealing ): such a line can only be dealt on boards of those dealers. A line met by fewer than 1 deal in a million says dealing will be slow . Help opens this page. Tick Mix the themes to have the boards of all lines come in a random order; without it, the boards of line 1 come first, then those of line 2, and so on. Press OK , or Ctrl + Enter in the text ( Enter starts a new line). OK is enabled only while the plan can be read; Ctrl + Enter on a plan that cannot be read takes the cursor to the underlined place. Kesto keeps the plan and the box for the next time, and ticks Deal to a plan ( Alt + L ). Cancel leaves the plan as it was. Under the box the first page says what the plan deals, for example Plan: 12 boards (8 + 4), mixed ; a plan of counts greys out Number of random deals to generate , as the counts say how many boards there are. Press Next >> . Kesto deals with the generator chosen in the options (the classic one, or the secure one), and each board is kept only when it meets its line for that board's number. A window shows how far it has got, with Cancel . Then the print page follows, as for any generated set. Deal to a plan is not remembered: each time Kesto starts it deals ordinary random boards until you tick it. With the box unticked nothing changes.",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "plan",
"heading": "The plan",
"text": "A plan is one line per theme, count: condition : count boards of the set meet the condition . The counts add up to the number of boards dealt, at most 500. A plan may instead be a single condition without a count: then every board meets it, and Number of random deals to generate says how many boards there are. Blank lines are skipped; letter case and spaces between words and signs never matter.",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "seats",
"heading": "Seats",
"text": "Write Meaning N , E , S , W , north , east , south , west that seat on every board dealer the board's dealer: North on board 1, East on 2, South on 3, West on 4, North again on 5, and so on lho the dealer's left-hand opponent, who calls second partner the dealer's partner rho the dealer's right-hand opponent, who calls last in the first round",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "values",
"heading": "Values",
"text": "Write Meaning 12 a whole number hcp(S) high-card points: ace 4, king 3, queen 2, jack 1 controls(S) controls: ace 2, king 1 hcp(S, spades) , controls(S, hearts) the points or controls of one suit of the hand; the suit is written as a word ( spade or spades , and so on) losers(S) , losers(S, clubs) the losing-trick count of the hand, or of one suit: a void none; a singleton one, none for the ace; a doubleton two, less one for the ace and one for the king; a longer suit three, less one for each of the ace, king and queen (as Debian's dealer counts them) spades(S) , hearts(S) , diamonds(S) , clubs(S) the number of cards in that suit hcp(N) + hcp(S) values added or taken away with + and - , for example a partnership's points",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "tests",
"heading": "Tests",
"text": "Write Met when hcp(N) >= 12 the two values compare so; the signs are = , <> (differs), < , <= , > , >= hcp(S) 15-17 the value lies in the range, both ends included; an en dash (15–17, as a word processor writes it) serves as well. A range takes no sign: hcp(S) = 15-17 is refused with the hint write hcp(S) 15-17 , and a range without its value, as in 15-17 balanced , with the hint write hcp(dealer) 15-17 and balanced(dealer) . balanced(S) the hand is 4-3-3-3, 4-4-3-2 or 5-3-3-2, in any suits semibalanced(S) balanced, or 5-4-2-2 or 6-3-2-2 shape(S) = 5431 the lengths in spades, hearts, diamonds, clubs in that order; x stands for any length, so shape(S) = x5xx is any hand with five hearts shape(S) = any 5431 those lengths in any order of the suits hascard(S, SA) the hand holds that card, written suit then rank: SA the ace of spades, HT the ten of hearts, C2 the two of clubs Tests are joined by and , or and not , with parentheses where needed. not binds tightest, then and , then or : a or b and c means a or (b and c) .",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "fixed",
"heading": "Fixed cards",
"text": "A hascard test joined to the rest of its line by and fixes that card: Kesto deals it to its seat first and the other cards at random. The boards are exactly those that keeping only the deals with the card in place would give, every way of dealing the other cards as likely as before, only they come at once. A play lesson may fix all 26 cards of one side and still get its boards without waiting: 4: hascard(dealer, SA) and hascard(dealer, SK) and hascard(partner, SQ) and hcp(lho) >= 12 A card fixed to two seats of the same line is refused ( Line 1: the ace of spades is fixed to both N and S. ), as is a seat with more than 13 fixed cards. Under or or not a hascard test fixes nothing: it is an ordinary test of each deal.",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "examples",
"heading": "Worked plans",
"text": "1NT openings and the responses to them. Six boards where responder has game values, six where responder holds a five-card major: 6: hcp(dealer) 15-17 and balanced(dealer) and hcp(partner) >= 10 6: hcp(dealer) 15-17 and balanced(dealer) and (spades(partner) >= 5 or hearts(partner) >= 5) Weak twos. A six-card suit and 5 to 10 points for the dealer, with partner not strong enough to think of game too often: 4: hearts(dealer) = 6 and hcp(dealer) 5-10 and spades(dealer) <= 3 and hcp(partner) <= 12 4: spades(dealer) = 6 and hcp(dealer) 5-10 and hearts(dealer) <= 3 and hcp(partner) <= 12 4: diamonds(dealer) = 6 and hcp(dealer) 5-10 and hcp(partner) <= 12 Strong 2♣ openings. Balanced giants, and hands with a long major and plenty of controls: 6: hcp(dealer) >= 22 and balanced(dealer) 6: hcp(dealer) 19-23 and controls(dealer) >= 7 and (spades(dealer) >= 6 or hearts(dealer) >= 6) Slam hands. The dealer's side holds a small slam's worth of points and controls: hcp(dealer) + hcp(partner) 31-36 and controls(dealer) + controls(partner) >= 9 Competitive auctions. The dealer opens and the next hand has enough to come in, with a five-card major on half the boards: 6: hcp(dealer) 11-15 and hcp(lho) 10-16 6: hcp(dealer) 11-15 and hcp(lho) 10-16 and (shape(lho) = 5xxx or shape(lho) = x5xx) A mixed evening. Tick Mix the themes so that the three themes do not come in clusters: 4: hcp(dealer) 15-17 and balanced(dealer) 4: hearts(dealer) >= 6 and hcp(dealer) 5-10 and hcp(partner) <= 12 4: hcp(dealer) >= 20 and not balanced(dealer)",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "scripts",
"heading": "Dealer scripts",
"text": "Teachers share their bidding practice as scripts of the dealer program (Debian's package dealer , whose manual describes the language), and online tables take the same scripts. Kesto reads such a script as it is and deals it into boards. A plan file, or the text in the plan dialog, is taken as a script when one of its lines begins with a script's command ( condition , produce , generate , predeal , dealer , vulnerable , action ) or is a definition such as opener = hcp(north) >= 12 . The whole script is one theme: every board meets its condition. Its produce N gives the number of boards: in the window it becomes Number of random deals to generate when you press OK (you may still change it), and the first page says Plan: a dealer script for all 4 boards ; the batch deals --generate N boards when given, else the script's produce N , else 40. What Kesto reads comments: # at the start of a line, // to the end of a line, /* ... */ over any number of lines; line breaks anywhere between words; condition with an expression (the word may be left out, and the last condition counts, as in dealer ), definitions name = expression used by later lines, produce N (1 to 500; the first counts), generate N (read; Kesto's own limits hold), dealer SEAT , vulnerable none|NS|EW|all (read; each board keeps the vulnerability of its number); numbers, + - * / % (a division by 0 gives 0), == != < <= > >= , && || ! and and or not , ? : and parentheses, with the precedence of C; hcp(north) , hcp(north, spades) , controls(...) , losers(...) , spades(north) (and hearts , diamonds , clubs ), hascard(north, AS) with the card written rank then suit as dealer writes it, and shape(north, any 4333 + any 4432 - 3433) with x for any length and any for any order; the words are in small letters, singular or plural, the seats north , east , south , west ; predeal south SAQ5, HKJ87, D, C432 : cards given to a seat, dealt there first as fixed cards are; predeal spades(north) == 3 : a suit's length, kept as a test; pointcount 4 3 2 1 : the points that hcp counts, ace first; action lines that only print ( printall , printoneline , printpbn , printcompact , print , printew , printes ): read and left out, as Kesto makes its own hand records, files and pages. What Kesto refuses What dealer works out while it deals, and Kesto does not, is refused with the line it stands on: double-dummy tricks , score , imps , average , frequency , evalcontract , altcount , rnd and the counts pt0 to pt9 (and their names tens , jacks and so on). For example: Line 4: Kesto does not deal to \"tricks\" (double-dummy tricks during dealing). Any other place that cannot be read is named by its line and column, as in a plan: Line 2, column 15: the ace of spades is predealt twice. The plan dialog underlines the place and keeps OK greyed out; the batch command stops with exit status 2. Seats turned to each board's dealer A script is written about its own dealer ( dealer south ; North when it names none). On each board Kesto turns the script's seats so that this seat sits in the board's dealer seat, and the others with it: a script about North opening 1NT deals boards on which the dealer opens 1NT, board 2 with East as the opener, board 3 with South. Predealt cards turn with their seats. Tick Keep the script's seats as written in the plan dialog (the box can be ticked only while the plan holds a script), or give --fixed-seats to the batch command, to keep the compass seats instead: then the script's dealer and vulnerable are ignored and the boards keep their usual dealers. Themes from several scripts A line of an ordinary plan may take its condition from a script file: 6: script 1nt-responses.dl . The file is found beside the plan file (in the window, in the folder Kesto was started from: give the whole path there); a name with spaces goes in double quotes. Such lines mix with ordinary lines and with Mix the themes . A line with a count deals that many boards of the script; a plan of one script line without a count deals as the script itself would, its produce included. A fault in the file names both places: Line 2: in tricks.dl, line 3: Kesto does not deal to \"tricks\" (double-dummy tricks during dealing). 6: script 1nt-responses.dl 4: script weak-twos.dl 2: hcp(dealer) >= 22 and balanced(dealer) A worked script A 1NT opening and a responder with a five-card major and at least 8 points, saved as 1nt-major.dl : # 1NT, and a responder with a five-card major and invitational values or better dealer north produce 4 opener = hcp(north) >= 15 && hcp(north) <= 17 && shape(north, any 4333 + any 4432 + any 5332) condition opener && (spades(south) >= 5 || hearts(south) >= 5) && hcp(south) >= 8 action printoneline kesto batch --seed 12 --plan-file 1nt-major.dl --list deals its four boards, each given from its dealer round the table: [Board \"1\"]|[Dealer \"N\"]|[Vulnerable \"None\"]|[Deal \"N:932.A86.AQ76.AK3 T74.KJ75.J93.T86 AKQJ8..KT42.QJ74 65.QT9432.85.952\"] [Board \"2\"]|[Dealer \"E\"]|[Vulnerable \"NS\"]|[Deal \"E:KT2.AKJ.K96.QJ93 A6.765.QT8.T8764 J9.T98432.AJ7.AK Q87543.Q.5432.52\"] [Board \"3\"]|[Dealer \"S\"]|[Vulnerable \"EW\"]|[Deal \"S:K9.K65.AJT86.A76 JT72.73.Q43.QJ93 .AQJT98.K2.KT842 AQ86543.42.975.5\"] [Board \"4\"]|[Dealer \"W\"]|[Vulnerable \"All\"]|[Deal \"W:T72.K83.AJ73.AK4 QJ6.JT765.4.8763 A543.AQ942.Q852. K98..KT96.QJT952\"] On every board the dealer holds 15 to 17 points and a balanced hand, and the dealer's partner (the third hand of each line) five hearts or spades and 8 points or more: on board 2 East opens 1NT with 17 and West holds six hearts and 13. With --fixed-seats the same seed keeps the opener in the North seat on all four boards, whoever deals.",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "rare",
"heading": "A plan that is too rare",
"text": "Kesto stops after 100 million deals or 60 seconds, whichever comes first, and deals nothing: the first page stays as it was and the message says how far it got, for example Only 3 of the 12 boards met line 2 after 100 million deals; no boards were dealt. Widen the ranges of that line, or deal fewer of its boards. The odds in the plan dialog tell you in advance which line is rare. A line that no deal can meet on one of its boards, because it asks for more than the cards hold with that board's dealer, stops the dealing at once: No deal can meet line 4 with East dealing, as on board 2; no boards were dealt. For example hcp(N) >= 21 and hcp(dealer) >= 20 asks for 41 points unless North deals: name the seats relative to the dealer instead, as in hcp(dealer) >= 21 and hcp(partner) >= 5 .",
"title": "Dealing to a plan"
},
{
"page": "plans.html",
"anchor": "batch",
"heading": "In the batch command",
"text": "kesto batch --plan TEXT deals to a plan given on the command line, its lines separated by newlines; --plan-file FILE reads it from a text file; --mix mixes the themes; --fixed-seats keeps the compass seats of its dealer scripts. A plan file, or a script file, is a text file saved as ANSI (Windows-1252) or UTF-8, with or without the byte order mark Notepad writes, of at most 1,000,000 bytes. A plan of counts deals the sum of its counts, and a --generate N beside it is ignored with a warning; a single condition without a count takes the number from --generate N . With --seed N the same seed and plan give the same boards every time. A plan that cannot be read is a usage error (exit status 2) with the line and column; a plan too rare ends with its message and exit status 1. The batch deals to a plan only when told so: the plan kept in the window is not used. See The batch command . kesto batch --seed 7 --plan-file weak-twos.txt --mix --save night.dlm --print --copies 1",
"title": "Dealing to a plan"
},
{
"page": "printing.html",
"anchor": "",
"heading": "Printing hand records, deal sheets and statistics",
"text": "Printing hand records, deal sheets and statistics On the print page give the numbers you want and press Print (or Enter , or Ctrl + P ). Everything asked for is printed in one go. Field What is printed Number of copies (with all hands) Hand records: all boards with all four hands, several boards to a page, with the two header lines at the top. Hand them out after the session. The label shows how many deals there are. Number of sets of individual deal sheets One sheet per board with that board's four hands, for example to put in the board wallets when the boards are dealt by hand from the sheets. As many sheets as fit share a page (three to an A4 page at the usual fonts; fewer with larger fonts), with dashed cut lines between them: cut along the lines to part the sheets. Number of statistic sheets A summary of the deals: high-card points of each seat (mean, median and most frequent value), hand patterns and the longest fits of each pair. Useful to show the players that the deals were fair. Print curtain cards Small cards with one hand each. See Curtain cards . Kesto remembers the numbers for next time. The number of random deals is remembered only when you print generated deals.",
"title": "Printing hand records, deal sheets and statistics"
},
{
"page": "printing.html",
"anchor": "",
"heading": "More than one set of individual deal sheets",
"text": "Each set has one sheet per board, so the number of pages quickly becomes large. Kesto asks before printing more than one set; tick Don't show this warning again if you often run several sections with duplicated boards.",
"title": "Printing hand records, deal sheets and statistics"
},
{
"page": "printing.html",
"anchor": "",
"heading": "The printed words and the fonts",
"text": "The card letters, seat names and labels ( Board , Dealer , Vul ...) are printed in the language chosen on the Language page of the Options dialog. The typeface, size, bold and italic of each kind of text are set on the Fonts page . With Use colors ( Other page ) the heart and diamond symbols print red on a colour printer. With Show dealer and vulnerability on printouts and HTML each board shows its dealer and vulnerability. With Show makeable contracts and par (Other page) hand records show under each board, deal sheets beside it, the highest level each declarer makes in each strain and the par contract and score; deal sheets still print three to a page. See Makeable contracts and par . The foot of each page says Hands generated by KESTO. for dealt boards, or Hands printed by KESTO. for recorded ones.",
"title": "Printing hand records, deal sheets and statistics"
},
{
"page": "printing.html",
"anchor": "",
"heading": "Choosing the printer, or printing to PDF files",
"text": "File > Printer setup... chooses the printer, and Kesto remembers it. When no printer is chosen, or the chosen printer is not available, every printout becomes a PDF file in the folder Kesto printouts in your documents folder (the name of each file holds the kind of printout, the date and the time, so nothing is ever overwritten). Open the PDF files and print them from your PDF viewer, or send them to the players.",
"title": "Printing hand records, deal sheets and statistics"
},
{
"page": "recording-hands.html",
"anchor": "",
"heading": "Recording hands dealt at the table",
"text": "Recording hands dealt at the table Choose Record deals that have already been dealt on the first page and press Next >> . The hand-entry page shows deal 1, empty, with the cursor in North's spade field. With boards already in hand it shows them instead, so that you can correct them (see Going back ).",
"title": "Recording hands dealt at the table"
},
{
"page": "recording-hands.html",
"anchor": "",
"heading": "Typing the cards",
"text": "Each hand has four fields, one per suit: spades ♠ , hearts ♥ , diamonds ♦ and clubs ♣ . Type the cards of the suit as they are in the hand: Type For A K Q J ace, king, queen, jack (small letters work too) T , 1 or 1 0 the ten 2 ... 9 the small cards Every card goes straight into the deal; the field then shows the suit in order, for example AKJT92 . In a language whose word for the ten is not \"T\" the ten shows as 10 ( AKJ1092 ). Hand entry always uses the letters A, K, Q and J, whatever language you print in. Any other key beeps and changes nothing. A hand takes at most 13 cards; the number of cards shows beside each hand. If another hand already holds the card you type, Kesto says which hand has it and what that hand would be left with (for example ♣6 is already with North. Transfer it to East? Then North has 12 cards; ♣6 is missing. ). Choose Transfer it ( Alt + T ) to move the card to this hand, or Cancel ( Enter or Esc ) to leave it where it is. Cards typed on while the question shows only beep. Delete and Backspace remove the card after or before the cursor. Deleting either character of 10 removes the ten.",
"title": "Recording hands dealt at the table"
},
{
"page": "recording-hands.html",
"anchor": "",
"heading": "The last hand: Fill in",
"text": "When three hands hold 13 cards, a Fill in button appears in the fourth hand. Press it (or Enter ) and Kesto gives that hand all the cards that are still missing. This is the quickest way to record a board: type North, East and South, then Fill in West.",
"title": "Recording hands dealt at the table"
},
{
"page": "recording-hands.html",
"anchor": "",
"heading": "Moving between deals",
"text": "The Deal: number at the top left chooses the deal shown (1 to 500). Raise it with its arrows to go to the next board; a new empty deal is added as needed. Empty deals left at the end are dropped when you press Next >> . Clear deal empties all four hands of the deal shown, without asking. Other deals are not touched.",
"title": "Recording hands dealt at the table"
},
{
"page": "recording-hands.html",
"anchor": "",
"heading": "Tips for the director",
"text": "Record the boards straight from the curtain cards or the hand records the players filled in, board by board. Keep the deals: press Save on the print page and choose the Kesto file type. You can read the file later, complete or correct it, and print again. Deals read from a file that still lack cards open on this page too, so you can finish them before printing.",
"title": "Recording hands dealt at the table"
},
{
"page": "settings.html",
"anchor": "",
"heading": "Where Kesto keeps its settings",
"text": "Where Kesto keeps its settings Kesto remembers your choices from one session to the next: the numbers on the print page, the date format, the file type last used and the folders of your deal files and web pages, the printer, every choice of the Options dialog and the words you changed for each language. They are kept in one text file, ~/.config/Tarnwick/Kesto.reg (or under $XDG_CONFIG_HOME when that is set), in the Windows registry export format, so that you can read it. To start again from the defaults, close Kesto and delete that file. The environment variable KESTO_SETTINGS names another file, for example to keep the settings of two clubs apart: KESTO_SETTINGS=~/clubs/thursday.reg kesto Kesto writes the file safely: a new file is written completely before it replaces the old one. If the file cannot be read, Kesto keeps it aside under another name, says so, and starts with its defaults. The options are written when Kesto ends, except the two that printing reads, showing dealer and vulnerability and using colours, which are written as soon as you tick or untick them (and written back as they were when you press Cancel); the print counts when you print; the words of a language when you press OK on the Language page.",
"title": "Where Kesto keeps its settings"
},
{
"page": "three-pages.html",
"anchor": "",
"heading": "The three pages",
"text": "The three pages Kesto's window leads you through three pages in a fixed order. The two buttons at the bottom right, << Previous and Next >> , move between them; on the last page the right-hand button reads Done .",
"title": "The three pages"
},
{
"page": "three-pages.html",
"anchor": "",
"heading": "1. The first page: where the deals come from",
"text": "Choose one of three ways of getting the deals: Choice What Next does Generate random deals Kesto deals the number of boards you give in Number of random deals to generate (1 to 500), each from a freshly shuffled deck, and goes straight to the print page. Record deals that have already been dealt Opens the hand-entry page, where you type in the hands of boards dealt at the table. See Recording hands . Read deals from file Asks for a deal file of any kind Kesto reads and reads it. Complete deals go to the print page; deals that still need cards go to the hand-entry page. See Deal files . Deal to a plan and Plan... deal boards that meet conditions you write, such as a strong no-trump opening for North; the line below them says what the plan deals ( Plan: 12 boards (8 + 4), mixed ). See Dealing to a plan . Header for printout. Line 1 and Line 2 are printed at the top of the hand records and saved in Kesto's own deal file (and in the Duplimate file's headline). Typical use: the club's name on line 1, the session on line 2. Tick Use date as default second line to have Kesto put today's date into line 2; it asks once for the date format you prefer (for example Monday, December 7, 2026 or 7-Dec-26 ) and remembers it. Boards are numbered 1, 2, 3 ... in order, and every board's dealer and vulnerability follow the standard sixteen-board cycle (board 1 North dealer, nobody vulnerable; board 2 East, North-South vulnerable; and so on).",
"title": "The three pages"
},
{
"page": "three-pages.html",
"anchor": "",
"heading": "2. The hand-entry page",
"text": "Shows one deal at a time as a bridge table: North at the top, West and East at the sides, South below. This page is described in Recording hands . When you press Next >> here, Kesto checks the deals: Empty deals at the end are dropped. A deal with some cards but not all 52 is shown again with the message Deal 4 has only 39 cards. Empty deals in between are listed ( Deal 2 has no cards. ) and you choose: Add cards (go back to the first of them), Skip all deals with no cards during printing or Print all deals, even those with no cards . If there is no deal with cards at all, Kesto says Nothing to print .",
"title": "The three pages"
},
{
"page": "three-pages.html",
"anchor": "",
"heading": "3. The print page",
"text": "Everything that is made from the deals starts here: Print : hand records, individual deal sheets, curtain cards and statistics sheets, in the numbers you give. See Printing and Curtain cards . Save : a deal file for the dealing machine or for later. See Deal files . Create (group Create HTML Document ): a web page of the deals, with statistics if Include statistics in HTML is ticked. See The web page . The board viewer. The right of the print page shows the boards. The list gives each board's number, dealer, vulnerability and the high-card points of North, East, South and West; beside it the chosen board is drawn as the hand record prints it, the four hands around a compass that shows the board, the dealer and the vulnerable sides. With Show makeable contracts and par ( Other page ) the board's makeable contracts and par appear under it as soon as the solver has worked them out. Alt + B puts the cursor in the list; the arrow keys, Page Up , Page Down , Home and End move through the boards. The viewer only shows them: to correct a board, see Going back . Done ends Kesto, as File > Quit does. Boards that are not saved are asked about first (see Keeping the boards ); boards that are saved but were neither printed nor made into a web page get the question You haven't printed any hands yet. Exit anyway?",
"title": "The three pages"
},
{
"page": "three-pages.html",
"anchor": "back",
"heading": "Going back",
"text": "From the hand-entry page to the first page: if any cards were entered, Kesto warns that going back may lose them. The deals are dropped only when you deal new ones, read a file or choose File > New ; with Record deals that have already been dealt chosen, Next >> shows them again. From the print page: with generated deals, or complete deals read from a file, you go back to the first page. With recorded deals you go back to the hand-entry page; if they were already printed Kesto asks Clear all printed deals? — answer No to correct a hand and print again, Yes to start a new set. Any boards, dealt or read too, can be corrected: go back to the first page, choose Record deals that have already been dealt and press Next >> . The hand-entry page shows them, at the board last chosen in the viewer.",
"title": "The three pages"
},
{
"page": "three-pages.html",
"anchor": "keeping",
"heading": "Keeping the boards",
"text": "The title bar names the file of the boards, for example evening.pbn - Kesto ; boards that have no file yet show Kesto , Kesto - Record hands or Kesto - Print hands . A * in front ( *evening.pbn - Kesto ) means the boards have changed since they were read or saved, or were never saved. Closing the window with such boards ( Done , File > Quit , Ctrl + Q or the close box) asks Save the deals before closing? ; File > New , File > Open... and Read deals from file ask the same before they put the boards away. The answers: Save : opens the save dialog; once the boards are saved, Kesto goes on. Cancel in the save dialog goes back to the boards. Close Without Saving ( Start Without Saving , Read Without Saving ): goes on, and the boards are lost. Cancel , the default ( Enter or Esc ): nothing happens. Generate random deals deals new boards in place of the old ones without asking: save the old ones first.",
"title": "The three pages"
},
{
"page": "web-page.html",
"anchor": "",
"heading": "The web page and its images",
"text": "The web page and its images Kesto writes an HTML page of the deals, three boards to a row, each drawn as a small bridge table with suit symbols and a board picture in the middle. Put it on your club's web site next to the results.",
"title": "The web page and its images"
},
{
"page": "web-page.html",
"anchor": "",
"heading": "Making the page",
"text": "On the print page, tick Include statistics in HTML if the page should end with the statistics of the deals (points, patterns, fits). Press Create and choose a file name ending in .htm or .html . Kesto first shows HTML Hints , which explain the images (below) and ask Go to Options Dialog now? Answer Yes to set the image location first (then press Create again), or No, go ahead and create the HTML ; Cancel (or Esc ) makes no page. Tick Do not show this alert again once you know the routine. The new page takes the place of a page of the same name only once it is complete, statistics included: if it cannot be finished (a full disk, for example) Kesto says why and last week's page stays as it was. A file name that is a link to a page elsewhere stays a link; the page it points to gets the new page.",
"title": "The web page and its images"
},
{
"page": "web-page.html",
"anchor": "",
"heading": "The images",
"text": "The page does not contain its pictures; it refers to five image files that must be on your web site: spade.gif , heart.gif , diamond.gif , club.gif : the suit symbols; board.gif : the picture in the middle of each deal. They come with Kesto, in the GIF folder beside the program. There is one board picture for each language; copy the one for your language and rename it board.gif on your web site.",
"title": "The web page and its images"
},
{
"page": "web-page.html",
"anchor": "",
"heading": "Telling the page where the images are",
"text": "Open Options > Other... and fill in Location of GIFs on Web Site : Leave it blank if the images are in the same folder as the HTML pages. Otherwise give the folder, for example images/ or https://www.myclub.org/bridge/gifs/ . A final / is added when missing. If the page shows empty boxes instead of suits, the images are missing or this location is wrong.",
"title": "The web page and its images"
},
{
"page": "web-page.html",
"anchor": "",
"heading": "What the page shows",
"text": "The two header lines of the first page as the title. For each board: its number and, with Show dealer and vulnerability on printouts and HTML , the dealer and vulnerability, in the printing language (in English board 1 reads Board 1 / Dlr: N / Vul: None ; in German board 2 reads Board 2 / Tlr: O / Gefähr: N-S ). The four hands with the card letters of the printing language. With Show makeable contracts and par (Other page), under each deal the table of the highest level each declarer makes in each strain and the par line, as on the hand records, with the page's own suit images. See Makeable contracts and par . The Create button is greyed out if Kesto's HTML library ( libkestweb2.so ) was not found when the program started; Kesto says so at start-up.",
"title": "The web page and its images"
}
];
