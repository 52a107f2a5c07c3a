#ifndef KESTPRT3_KESTPRT3_H
#define KESTPRT3_KESTPRT3_H
/*
 * KESTPRT3: the hand-record printing library. It lays out hand records, individual deal sheets
 * and curtain cards from a list of deal records and prints them.
 *
 * Contract, for every entry below:
 * - Use: ClearDeals, AddDeal once per board in board order, optionally SetAnalysisWords, then
 *   PrintCustom once per printout, then ClearDeals. Entries are called one at a time from one
 * thread (the caller's user-interface thread); nothing is locked.
 * - Texts are pointers to zero-terminated Windows-1252 strings. A null pointer counts as an
 *   empty text. Texts are only lent for the duration of the call.
 * - The library keeps its own copy of every record AddDeal receives; the list survives across
 *   PrintCustom calls until ClearDeals empties it (or the library is unloaded).
 * - Nothing allocated in one binary is freed in another: the library returns no memory and
 *   keeps no pointer to the caller's texts.
 * - Numbers are 32-bit signed. In flag and style arguments only the low byte counts (0 is
 *   false); a style's bit 0 is bold, bit 1 italic.
 * - PrintCustom has finished its printout when it returns (the printer has the whole job, or
 *   the PDF file is complete and closed).
 * - No C++ exception leaves the library, and no argument value makes it crash.
 *
 * Output. When the environment variable KESTO_PDF_FOLDER is set and not empty, every printout
 * becomes a PDF file in that folder, whatever printer is chosen (tests, batch runs). Otherwise
 * PrintCustom prints to the printer named by "PrinterName" in the program's settings file (key
 * [HKEY_CURRENT_USER\Software\Tarnwick\Kesto\3.2] of the REGEDIT4 file named by
 * KESTO_SETTINGS, else $XDG_CONFIG_HOME/Tarnwick/Kesto.reg, else ~/.config/Tarnwick/Kesto.reg).
 * When that value is empty or absent, or names a printer the system does not have, the
 * printout becomes a PDF file in "PdfFolder" from the settings, else in "Kesto printouts" in the
 * user's documents folder. The folder is created when missing; an existing file is never
 * overwritten (file names carry the kind, the date and the time, and a number when taken). The
 * library also reads "PrintVulDeal" (dealer and vulnerability on hand records, deal sheets and
 * curtain cards, default on).
 *
 * Qt. The library draws with Qt and needs a QGuiApplication for its fonts. The program
 * normally has one; when no Qt application object exists, PrintCustom creates a
 * QGuiApplication on the "offscreen" platform for the duration of the call and destroys it
 * before returning.
 */

#include <stdint.h>

#ifndef KESTO_STDCALL
#if defined(_WIN32) && !defined(_WIN64)
#define KESTO_STDCALL __stdcall
#else
#define KESTO_STDCALL
#endif
#endif

#ifndef KESTO_EXPORT
#if defined(_WIN32)
#define KESTO_EXPORT __declspec(dllexport)
#else
#define KESTO_EXPORT __attribute__((visibility("default")))
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* What PrintCustom returns. On any value but 0 no printout was produced, or what was produced
 * is incomplete (a partly written PDF file is removed). */
enum KestPrt3Status {
    kKestPrt3Ok = 0,             /* printed; also when the list holds no board (nothing printed) */
    kKestPrt3UnknownKind = 1,    /* print kind not 0, 1 or 8..12 */
    kKestPrt3BadCardSize = 2,    /* curtain card side under 1 cm, or no card fits on a page */
    kKestPrt3NoOutputFolder = 3, /* the PDF folder is missing and cannot be created */
    kKestPrt3CannotOpen = 4,     /* the printer or the PDF file could not be opened */
    kKestPrt3PrintFailed = 5,    /* a page could not be started or the job not finished */
    kKestPrt3NoGuiApplication = 6, /* a Qt application object without fonts (not a
                                      QGuiApplication) exists, so nothing can be drawn */
    kKestPrt3InternalError = 7     /* out of memory or another unexpected failure */
};

/* Print kinds (argument 1 of PrintCustom). */
enum KestPrt3Kind {
    kKestPrt3IndividualSheets = 0, /* one sheet per board, as many a page as fit */
    kKestPrt3HandRecord = 1,       /* all boards, several a page */
    kKestPrt3CurtainByBoard = 8,   /* four cards per board, board after board */
    kKestPrt3CurtainNorth = 9,     /* 9..12: one seat's card of every board */
    kKestPrt3CurtainEast = 10,
    kKestPrt3CurtainSouth = 11,
    kKestPrt3CurtainWest = 12
};

/* Appends a copy of the record (the PBN tags of one board joined by "|", e.g.
 * [Board "1"]|[Dealer "N"]|[Vulnerable "None"]|[Deal "N:A74.AT83.KJ5.K65 ..."]) to the list.
 * A null record adds an empty one; a record is read up to its first zero byte or 64 KiB. A record
 * from which neither a board number nor a deal can be read is skipped by the printouts; a missing
 * or broken deal prints as empty hands. */
KESTO_EXPORT void KESTO_STDCALL AddDeal(const char* record);

/* Empties the list, and sets the analysis words back to English. */
KESTO_EXPORT void KESTO_STDCALL ClearDeals(void);

/* Makeable contracts. A record that carries the standard PBN tags DoubleDummyTricks (20
 * hexadecimal digits: declarers N, S, E, W, each NT, spades, hearts, diamonds, clubs),
 * OptimumScore ("NS 420") and ParContract ("NS 4S", "EW 5HX", "Pass"; several separated by
 * commas) is printed on hand records under its diagram and on deal sheets beside it: a caption,
 * the highest level each declarer makes in each strain ("-" for none), and the par line
 * ("Par: 1S+2 EW, NS -140": each par contract with the result the tricks give it, then
 * North-South's score as OptimumScore has it). Records without the tags print as before, and
 * curtain cards never show them.
 *
 * This entry is optional: a caller looks it up by name and may do without it. It gives the
 * words of the table and par line for the printouts until ClearDeals: the word for par, the
 * letters for no trump, the word for a passed-out deal and the table's caption ("Par", "NT",
 * "Pass", "Makeable contracts" when not set; a null or empty text keeps the English word). */
KESTO_EXPORT void KESTO_STDCALL SetAnalysisWords(const char* par, const char* noTrump,
                                                 const char* passedOut, const char* caption);

/* Prints every board of the list, in the order added, as one printout of the given kind.
 * Arguments (numbers as the program counts them):
 *  1 kind (KestPrt3Kind); 2 curtain card orientation, 0 portrait (width x height as given),
 *    1 landscape (turned), -1 for the other kinds;
 *  3, 4 header lines; 5 unused (empty); 6 footer line;
 *  7..11 the words for ace, king, queen, jack, ten (the ten may be "10");
 *  12..15 the words for North, East, South, West;
 *  16, 17 the vulnerability words for no side and both sides; 18 the dealer word ("Dealer" on
 *    individual sheets, the short "Dlr" on hand records and curtain cards); 19 the board word;
 *    20 the Vul word;
 *  21 rank letters (ace..ten run together, then "x"), or empty; not needed, since 7..11 give
 *    the same words one by one;
 *  22..28 font names: header line 1, header line 2, labels (board, dealer, vulnerability),
 *    footer and page numbers, cards, curtain card board number, curtain card seat;
 *  29..36 sizes in points: header line 1, header line 2 (always 0: the library chooses), labels,
 *    footer, cards, cards again, curtain card board number, curtain card seat; a size under 1
 *    takes the library's default for that text;
 *  37..43 styles of the seven fonts, in the order of 22..28;
 *  44, 45 curtain card width and height in centimetres (0 for the other kinds);
 *  46 colour flag (hearts and diamonds red); 47, 48 unused (0).
 * Returns a KestPrt3Status. */
KESTO_EXPORT int32_t KESTO_STDCALL PrintCustom(
    int32_t kind, int32_t orientation, const char* header1, const char* header2,
    const char* unused5, const char* footer, const char* ace, const char* king, const char* queen,
    const char* jack, const char* ten, const char* north, const char* east, const char* south,
    const char* west, const char* none, const char* both, const char* dealerWord,
    const char* boardWord, const char* vulWord, const char* rankLetters, const char* header1Font,
    const char* header2Font, const char* labelFont, const char* footerFont, const char* cardsFont,
    const char* boardNumberFont, const char* positionFont, int32_t header1Size, int32_t header2Size,
    int32_t labelSize, int32_t footerSize, int32_t cardsSize, int32_t cardsSize2,
    int32_t boardNumberSize, int32_t positionSize, int32_t header1Style, int32_t header2Style,
    int32_t labelStyle, int32_t footerStyle, int32_t cardsStyle, int32_t boardNumberStyle,
    int32_t positionStyle, int32_t cardWidthCm, int32_t cardHeightCm, int32_t useColor,
    int32_t unused47, int32_t unused48);

/* The entry types, for a caller that binds the library at run time by name. */
typedef void(KESTO_STDCALL* AddDealFn)(const char* record);
typedef void(KESTO_STDCALL* ClearDealsFn)(void);
typedef void(KESTO_STDCALL* SetAnalysisWordsFn)(const char* par, const char* noTrump,
                                                const char* passedOut, const char* caption);
typedef int32_t(KESTO_STDCALL* PrintCustomFn)(
    int32_t kind, int32_t orientation, const char* header1, const char* header2,
    const char* unused5, const char* footer, const char* ace, const char* king, const char* queen,
    const char* jack, const char* ten, const char* north, const char* east, const char* south,
    const char* west, const char* none, const char* both, const char* dealerWord,
    const char* boardWord, const char* vulWord, const char* rankLetters, const char* header1Font,
    const char* header2Font, const char* labelFont, const char* footerFont, const char* cardsFont,
    const char* boardNumberFont, const char* positionFont, int32_t header1Size, int32_t header2Size,
    int32_t labelSize, int32_t footerSize, int32_t cardsSize, int32_t cardsSize2,
    int32_t boardNumberSize, int32_t positionSize, int32_t header1Style, int32_t header2Style,
    int32_t labelStyle, int32_t footerStyle, int32_t cardsStyle, int32_t boardNumberStyle,
    int32_t positionStyle, int32_t cardWidthCm, int32_t cardHeightCm, int32_t useColor,
    int32_t unused47, int32_t unused48);

#ifdef __cplusplus
}
#endif

#endif /* KESTPRT3_KESTPRT3_H */
