#include "kestprt3/windows1252.h"

#include <cstring>

namespace kesto::prt3 {

namespace {

// 0x80..0x9F are the only bytes where Windows-1252 differs from Latin-1.
char16_t HighControlRange(unsigned char byte) {
    switch (byte) {
        case 0x80:
            return u'\u20AC';
        case 0x82:
            return u'\u201A';
        case 0x83:
            return u'\u0192';
        case 0x84:
            return u'\u201E';
        case 0x85:
            return u'\u2026';
        case 0x86:
            return u'\u2020';
        case 0x87:
            return u'\u2021';
        case 0x88:
            return u'\u02C6';
        case 0x89:
            return u'\u2030';
        case 0x8A:
            return u'\u0160';
        case 0x8B:
            return u'\u2039';
        case 0x8C:
            return u'\u0152';
        case 0x8E:
            return u'\u017D';
        case 0x91:
            return u'\u2018';
        case 0x92:
            return u'\u2019';
        case 0x93:
            return u'\u201C';
        case 0x94:
            return u'\u201D';
        case 0x95:
            return u'\u2022';
        case 0x96:
            return u'\u2013';
        case 0x97:
            return u'\u2014';
        case 0x98:
            return u'\u02DC';
        case 0x99:
            return u'\u2122';
        case 0x9A:
            return u'\u0161';
        case 0x9B:
            return u'\u203A';
        case 0x9C:
            return u'\u0153';
        case 0x9E:
            return u'\u017E';
        case 0x9F:
            return u'\u0178';
        default:
            return u'?';
    }
}

}  // namespace

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            text.append(QChar(HighControlRange(byte)));
        } else {
            text.append(QChar(static_cast<char16_t>(byte)));
        }
    }
    return text;
}

QString FromWindows1252(const char* text) {
    if (text == nullptr) {
        return {};
    }
    return FromWindows1252(std::string_view(text, std::strlen(text)));
}

}  // namespace kesto::prt3
