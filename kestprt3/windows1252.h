#pragma once
// Windows-1252 texts from the program, as Qt strings.

#include <QString>

#include <string_view>

namespace kesto::prt3 {

// Every byte becomes its Windows-1252 character; the five bytes Windows-1252 leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become "?".
QString FromWindows1252(std::string_view bytes);

// A caller's text: null counts as empty; read up to the zero byte.
QString FromWindows1252(const char* text);

}  // namespace kesto::prt3
