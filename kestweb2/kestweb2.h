#ifndef KESTWEB2_KESTWEB2_H
#define KESTWEB2_KESTWEB2_H
/*
 * KESTWEB2: the HTML page library. It turns a list of deal records into one static HTML page.
 *
 * Contract, for every entry below:
 * - Use: ClearDeals (optional), AddDeal once per deal in board order, then HTMLCustom or
 *   HTMLDef once per page. Entries are called one at a time from one thread; nothing is locked.
 * - Texts are pointers to zero-terminated Windows-1252 strings. A null pointer counts as an
 *   empty text (except title 2 of a page, where null and empty give different page titles).
 *   Texts are only lent for the duration of the call; the page is written with the bytes
 *   unchanged, nothing escaped.
 * - The library keeps its own copy of every record AddDeal receives; the deal list lives until
 *   the library is unloaded or ClearDeals empties it. Writing a page leaves the list unchanged,
 *   whether it succeeds or fails.
 * - Nothing allocated in one binary is freed in another: the library returns no memory and
 *   keeps no pointer to the caller's texts.
 * - Numbers are 32-bit signed; in flags only the low byte counts (0 is false).
 * - No C++ exception leaves the library.
 * - HTMLCustom and HTMLDef return a status (KestWeb2Status): 0 when the page was written
 *   completely, or when the deal list is empty (then no file is created or changed); otherwise
 *   the page was not completed and what was written so far stays in the file:
 *     1  the output file could not be created or opened (missing folder, no permission,
 *        empty file name);
 *     2  a write to the file failed (full disk, I/O error);
 *     3  closing the file failed (the last bytes could not be flushed);
 *     4  the library ran out of memory (if the file was already open it is closed).
 * - The page's layout, on which callers that add to a written page rely: every line ends in
 *   CR LF; the deals stand in one table (<TABLE BORDER="1">), three cells to a row, one cell per
 *   record in list order (a record without a readable deal writes none); a deal cell is a
 *   table of its own inside that one, holding one inner table per hand. The deal cell's table
 *   is closed by a line that is "</TABLE>" alone, the only such line at that depth of tables,
 *   so rows put just before it end up inside the deal's cell.
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

enum KestWeb2Status {
    kKestWeb2Ok = 0,
    kKestWeb2CreateFailed = 1,
    kKestWeb2WriteFailed = 2,
    kKestWeb2CloseFailed = 3,
    kKestWeb2OutOfMemory = 4
};

/* Appends a copy of the record (PBN tags of one deal) to the deal list. A null record adds an
 * empty one, which a page skips but counts as a position. If memory runs out the record is
 * not added. */
KESTO_EXPORT void KESTO_STDCALL AddDeal(const char* record);

/* Empties the deal list. */
KESTO_EXPORT void KESTO_STDCALL ClearDeals(void);

/* Writes the page of the deal list to fileName (an existing file is overwritten), with the
 * caller's words: card letters ace..jack, the ten text, the words for no side and both sides
 * vulnerable (empty: "None", "Both"), the labels for dealer, board and vulnerability (empty:
 * "Dlr", "Board", "Vul"), and the four seat letters. imageLocation is the web folder of the
 * image files, may be empty. The flags take board number, dealer and vulnerability from the
 * position in the list instead of the record. Returns a KestWeb2Status. */
KESTO_EXPORT int32_t KESTO_STDCALL HTMLCustom(const char* fileName, const char* imageLocation,
                                              const char* title1, const char* title2,
                                              const char* ace, const char* king, const char* queen,
                                              const char* jack, const char* ten, const char* none,
                                              const char* both, const char* dealer,
                                              const char* board, const char* vul, const char* north,
                                              const char* east, const char* south, const char* west,
                                              int32_t boardByPosition, int32_t dealerVulByPosition);

/* HTMLCustom with the English words "A", "K", "Q", "J", "None", "Both", "Dlr", "Board", "Vul",
 * "N", "E", "S", "W"; the ten prints as "10" when tenCharacter (low byte) is '1', otherwise as
 * that one character. Returns a KestWeb2Status. */
KESTO_EXPORT int32_t KESTO_STDCALL HTMLDef(const char* fileName, const char* imageLocation,
                                           const char* title1, const char* title2,
                                           int32_t tenCharacter, int32_t boardByPosition,
                                           int32_t dealerVulByPosition);

/* The entry types, for a caller that binds the library at run time by name. */
typedef void(KESTO_STDCALL* AddDealFn)(const char* record);
typedef void(KESTO_STDCALL* ClearDealsFn)(void);
typedef int32_t(KESTO_STDCALL* HTMLCustomFn)(const char* fileName, const char* imageLocation,
                                             const char* title1, const char* title2,
                                             const char* ace, const char* king, const char* queen,
                                             const char* jack, const char* ten, const char* none,
                                             const char* both, const char* dealer,
                                             const char* board, const char* vul, const char* north,
                                             const char* east, const char* south, const char* west,
                                             int32_t boardByPosition, int32_t dealerVulByPosition);
typedef int32_t(KESTO_STDCALL* HTMLDefFn)(const char* fileName, const char* imageLocation,
                                          const char* title1, const char* title2,
                                          int32_t tenCharacter, int32_t boardByPosition,
                                          int32_t dealerVulByPosition);

#ifdef __cplusplus
}
#endif

#endif /* KESTWEB2_KESTWEB2_H */
