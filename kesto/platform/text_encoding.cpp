#include "kesto/platform/text_encoding.h"

#include <algorithm>

namespace kesto {

namespace {

// Bytes 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to themselves.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence of a character outside ASCII that starts at
// bytes[i], or 0 when none starts there. The second byte's range rules out overlong forms,
// surrogates and code points past U+10FFFF; every later byte is a plain continuation byte.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - i <= extra) {
        return 0;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return extra + 1;
}

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char CodePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
            } else {
                cp = (cp << 6) | (next & 0x3F);
            }
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        out += CodePointToWindows1252(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

bool IsUtf8WithNonAscii(std::string_view bytes) {
    bool nonAscii = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            return false;
        }
        nonAscii = true;
        i += length;
    }
    return nonAscii;
}

std::string MessageToUtf8(std::string_view message) {
    std::string out;
    out.reserve(message.size());
    std::size_t i = 0;
    while (i < message.size()) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const std::size_t length = byte < 0x80 ? 1 : Utf8SequenceLength(message, i);
        if (length == 0) {
            AppendUtf8(out, Windows1252ToCodePoint(byte));
            ++i;
        } else {
            out.append(message.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string FileTextAsWindows1252(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        return Utf8ToWindows1252(bytes.substr(kUtf8ByteOrderMark.size()));
    }
    return IsUtf8WithNonAscii(bytes) ? Utf8ToWindows1252(bytes) : std::string(bytes);
}

bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return true;
    }
    const auto text = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '\t' || c == '\n' || c == '\r' || (byte >= ' ' && byte != 0x7F);
    };
    constexpr std::size_t kPairsJudged = 32;
    const std::size_t pairs = std::min(bytes.size() / 2, kPairsJudged);
    std::size_t littleEndian = 0;
    std::size_t bigEndian = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        const char first = bytes[2 * i];
        const char second = bytes[2 * i + 1];
        littleEndian += text(first) && second == '\0' ? 1 : 0;
        bigEndian += first == '\0' && text(second) ? 1 : 0;
    }
    // A character outside Latin-1 now and then has no zero byte.
    const auto nearlyAll = [pairs](std::size_t count) { return 8 * count >= 7 * pairs; };
    return pairs >= 4 && (nearlyAll(littleEndian) || nearlyAll(bigEndian));
}

}  // namespace kesto
