// A stand-in for the printing library that prints nothing: it appends every call and every
// argument to the file named by KESTO_RECORDING_FILE, one call a line, fields separated by
// tabs (a tab, line feed or backslash inside a text is written as \t, \n or \\). It keeps no
// list of its own; the test reads the calls back.
//
// KESTO_RECORDING_FAIL="k=s" makes PrintCustom of kind k return status s.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "kestprt3/kestprt3.h"

namespace {

std::string Escaped(const char* text) {
    std::string out;
    if (text == nullptr) {
        return out;
    }
    for (const char* p = text; *p != '\0'; ++p) {
        switch (*p) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += *p;
        }
    }
    return out;
}

void Record(const std::string& line) {
    const char* path = std::getenv("KESTO_RECORDING_FILE");
    if (path == nullptr || *path == '\0') {
        return;
    }
    if (std::FILE* file = std::fopen(path, "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

int32_t StatusFor(int32_t kind) {
    const char* fail = std::getenv("KESTO_RECORDING_FAIL");
    int failKind = 0;
    int status = 0;
    if (fail != nullptr && std::sscanf(fail, "%d=%d", &failKind, &status) == 2 &&
        failKind == kind) {
        return status;
    }
    return kKestPrt3Ok;
}

}  // namespace

extern "C" {

KESTO_EXPORT void KESTO_STDCALL AddDeal(const char* record) {
    Record("AddDeal\t" + Escaped(record));
}

KESTO_EXPORT void KESTO_STDCALL ClearDeals(void) {
    Record("ClearDeals");
}

KESTO_EXPORT void KESTO_STDCALL SetAnalysisWords(const char* par, const char* noTrump,
                                                 const char* passedOut, const char* caption) {
    Record("SetAnalysisWords\t" + Escaped(par) + "\t" + Escaped(noTrump) + "\t" +
           Escaped(passedOut) + "\t" + Escaped(caption));
}

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
    int32_t unused47, int32_t unused48) {
    std::string line = "PrintCustom";
    const auto number = [&line](int32_t value) { line += '\t' + std::to_string(value); };
    const auto text = [&line](const char* value) { line += '\t' + Escaped(value); };
    number(kind);
    number(orientation);
    for (const char* t : {header1,     header2,   unused5,    footer,      ace,
                          king,        queen,     jack,       ten,         north,
                          east,        south,     west,       none,        both,
                          dealerWord,  boardWord, vulWord,    rankLetters, header1Font,
                          header2Font, labelFont, footerFont, cardsFont,   boardNumberFont,
                          positionFont}) {
        text(t);
    }
    for (const int32_t n :
         {header1Size, header2Size,     labelSize,    footerSize,       cardsSize,
          cardsSize2,  boardNumberSize, positionSize, header1Style,     header2Style,
          labelStyle,  footerStyle,     cardsStyle,   boardNumberStyle, positionStyle,
          cardWidthCm, cardHeightCm,    useColor,     unused47,         unused48}) {
        number(n);
    }
    Record(line);
    return StatusFor(kind);
}

}  // extern "C"
