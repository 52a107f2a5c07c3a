#pragma once
// Windows-1252 is the program's text everywhere inside; UTF-8 only at the edges
// (command line, terminal, locale names, Qt). File and folder names are the exception: they
// stay the system's bytes from the dialog or command line to the file system, and into the
// messages that name them.

#include <string>
#include <string_view>

namespace kesto {

// A character Windows-1252 cannot hold becomes "?"; malformed UTF-8 bytes too.
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view text);
// The Unicode code point of one Windows-1252 byte (undefined bytes map to themselves).
char32_t Windows1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, or '?' when it has none.
char CodePointToWindows1252(char32_t codePoint);
// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF) and hold at least one character outside ASCII: text in a Windows-1252 file almost
// never passes, so a file that does is taken for UTF-8.
bool IsUtf8WithNonAscii(std::string_view bytes);

// A message for the screen or the terminal: Windows-1252 text that may hold file names as the
// system's bytes (UTF-8). Every well-formed UTF-8 sequence of a character outside ASCII is
// taken as that character, every other byte as Windows-1252, so "Zürich" reads right whether
// it came from a file name or from the program's own text. (Windows-1252 text that also forms
// such a sequence, as "Ã¼" does, is taken for UTF-8: no word a director types looks so.)
std::string MessageToUtf8(std::string_view message);

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Text saved as UTF-16 (Windows "Unicode"): a byte order mark, or text characters each with a
// zero byte on the same side in nearly all of the first byte pairs. A binary file of another
// program, which may well open with a small number (a letter and a zero byte), does not pass.
// Kesto reads no text file so saved.
bool LooksLikeUtf16(std::string_view bytes);

// A text file's bytes as Windows-1252: a file that begins with kUtf8ByteOrderMark (which is
// dropped) or passes IsUtf8WithNonAscii is converted from UTF-8, any other taken as it is.
std::string FileTextAsWindows1252(std::string_view bytes);

}  // namespace kesto
