#pragma once
// Small helpers for the ASCII text of files, fields and command lines: letter case, digits,
// blanks, whole numbers and lines. Bytes outside ASCII are never changed or taken for letters or
// digits.

#include <charconv>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

char AsciiUpper(char c);
char AsciiLower(char c);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool IsAsciiDigit(char c);

// What counts as a blank differs from one kind of text to the next.
bool IsSpaceOrTab(char c);      // the settings file, plans
bool IsSpaceInLine(char c);     // space, tab, vertical tab, form feed: white space in a PBN line
bool IsControlOrSpace(char c);  // every byte up to and including the space: the legacy deal file

// The text without the blanks isBlank names at its start, at its end, or at both.
std::string_view TrimLeft(std::string_view text, bool (*isBlank)(char));
std::string_view TrimRight(std::string_view text, bool (*isBlank)(char));
std::string_view Trim(std::string_view text, bool (*isBlank)(char));

// The whole text as a decimal number of type T: digits, after a "-" where T is signed; nothing
// else, not even a space. Nullopt when the text is anything else or the number does not fit.
template <std::integral T>
std::optional<T> ParseWholeNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// As ParseWholeNumber, after leading spaces and one "+": the way hand-written files and
// typed fields may give a number (" 12", "+12", "-3").
std::optional<std::int32_t> ParseLenientWholeNumber(std::string_view text);

// Reads text one line at a time. A line ends at a line feed, and one carriage return before
// it, or at the very end of the text, is dropped. Past the end every line is empty, as a text
// file reads at its end.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    std::string_view Next();

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Every line of the text, as LineReader reads them; a last line without a line end counts.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace kesto
