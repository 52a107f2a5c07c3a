#include "kesto/stats/printer_text.h"

#include <string>

#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

// Only spaces separate the words of a wrapped text.
bool IsSpace(char c) {
    return c == ' ';
}

}  // namespace

void TextOutRight(PrinterCanvas& canvas, int x, int y, std::string_view text) {
    canvas.TextOut(x - canvas.TextWidth(text), y, text);
}

void TextOutCentered(PrinterCanvas& canvas, int x, int y, std::string_view text) {
    canvas.TextOut(x - canvas.TextWidth(text) / 2, y, text);
}

void TextOutLine(PrinterCanvas& canvas, int x, int& y, std::string_view text) {
    canvas.TextOut(x, y, text);
    y += canvas.TextHeight(text);
}

void WrapTextOut(PrinterCanvas& canvas, int right, int left, std::string_view text, int& y,
                 int margin) {
    const int room = right - left - margin;
    // line and rest are views into the one text: a line is cut back at its last blank, and
    // whatever is cut off (from that blank on) is the start of the rest.
    std::string_view line = TrimRight(text, IsSpace);
    for (;;) {
        std::string_view rest;
        while (canvas.TextWidth(line) > room) {
            const auto blank = line.rfind(' ');
            if (blank == std::string_view::npos) {
                break;
            }
            rest = std::string_view(line.data() + blank, line.size() - blank + rest.size());
            line = line.substr(0, blank);
        }
        TextOutLine(canvas, left, y, line);
        if (rest.empty()) {
            return;
        }
        line = Trim(rest, IsSpace);
    }
}

}  // namespace kesto
