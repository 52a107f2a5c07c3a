// The images the build puts into bin/GIF beside the program: every file the hints dialog
// names is there, is a GIF89a of the right size, and its LZW data decodes to exactly one
// palette index per pixel.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadGif(const std::string& name) {
    std::ifstream file(std::string(KESTO_BIN_DIR) + "/GIF/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int Word(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

struct Image {
    int width = 0;
    int height = 0;
    int transparentIndex = -1;
    std::vector<std::uint8_t> pixels;
};

// A plain GIF decoder for one image with a global colour table; nullopt on any malformation.
std::optional<Image> Decode(const std::vector<std::uint8_t>& b) {
    if (b.size() < 13 || std::string(b.begin(), b.begin() + 6) != "GIF89a") {
        return std::nullopt;
    }
    Image image;
    image.width = Word(b, 6);
    image.height = Word(b, 8);
    std::size_t at = 13;
    if (b[10] & 0x80) {
        at += 3u * (2u << (b[10] & 7));
    }
    while (at < b.size() && b[at] == 0x21) {  // extensions
        if (b[at + 1] == 0xF9 && (b[at + 3] & 1)) {
            image.transparentIndex = b[at + 6];
        }
        at += 2;
        while (at < b.size() && b[at] != 0) {
            at += b[at] + 1u;
        }
        ++at;
    }
    if (at + 11 > b.size() || b[at] != 0x2C) {
        return std::nullopt;
    }
    if (Word(b, at + 5) != image.width || Word(b, at + 7) != image.height || b[at + 9] != 0) {
        return std::nullopt;
    }
    const int minCodeSize = b[at + 10];
    at += 11;
    std::vector<std::uint8_t> data;
    while (at < b.size() && b[at] != 0) {
        data.insert(data.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 1),
                    b.begin() + static_cast<std::ptrdiff_t>(at + 1 + b[at]));
        at += b[at] + 1u;
    }
    if (at + 2 != b.size() || b[at + 1] != 0x3B) {  // block terminator, trailer, nothing more
        return std::nullopt;
    }

    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::vector<std::vector<std::uint8_t>> table;
    int codeSize = minCodeSize + 1;
    std::size_t bit = 0;
    std::vector<std::uint8_t> previous;
    bool ended = false;
    while (!ended) {
        if (bit + codeSize > data.size() * 8) {
            return std::nullopt;  // no end code
        }
        int code = 0;
        for (int i = 0; i < codeSize; ++i, ++bit) {
            code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
        }
        if (code == clear) {
            table.clear();
            for (int i = 0; i < clear; ++i) {
                table.push_back({static_cast<std::uint8_t>(i)});
            }
            table.emplace_back();
            table.emplace_back();
            codeSize = minCodeSize + 1;
            previous.clear();
            continue;
        }
        if (code == end) {
            ended = true;
            continue;
        }
        if (table.empty()) {
            return std::nullopt;  // data before the first clear code
        }
        std::vector<std::uint8_t> entry;
        if (code < static_cast<int>(table.size())) {
            entry = table[code];
        } else if (code == static_cast<int>(table.size()) && !previous.empty()) {
            entry = previous;
            entry.push_back(previous[0]);
        } else {
            return std::nullopt;
        }
        if (!previous.empty() && table.size() < 4096) {
            std::vector<std::uint8_t> added = previous;
            added.push_back(entry[0]);
            table.push_back(added);
            if (table.size() == (1u << codeSize) && codeSize < 12) {
                ++codeSize;
            }
        }
        image.pixels.insert(image.pixels.end(), entry.begin(), entry.end());
        previous = entry;
    }
    if (image.pixels.size() != static_cast<std::size_t>(image.width * image.height)) {
        return std::nullopt;
    }
    return image;
}

struct ImageCase {
    const char* file;
    int width;
    int height;
    bool transparent;
};

const ImageCase kImages[] = {
    {"spade.gif", 13, 14, true},           {"heart.gif", 13, 14, true},
    {"diamond.gif", 13, 14, true},         {"club.gif", 13, 14, true},
    {"board.gif", 50, 50, false},          {"board_dansk.gif", 50, 50, false},
    {"board_deutsch.gif", 50, 50, false},  {"board_dutch.gif", 50, 50, false},
    {"board_francais.gif", 50, 50, false}, {"board_italiano.gif", 50, 50, false},
    {"board_polski.gif", 50, 50, false},   {"board_svenska.gif", 50, 50, false},
};

TEST(GifImages, EveryImageDecodesAtItsSize) {
    for (const ImageCase& c : kImages) {
        SCOPED_TRACE(c.file);
        const std::vector<std::uint8_t> bytes = ReadGif(c.file);
        ASSERT_FALSE(bytes.empty()) << "not built: " << KESTO_BIN_DIR << "/GIF/" << c.file;
        const std::optional<Image> image = Decode(bytes);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        EXPECT_EQ(image->transparentIndex >= 0, c.transparent);
        if (c.transparent) {
            // The corner shows the page through; the middle is the suit's colour.
            EXPECT_EQ(image->pixels[0], image->transparentIndex);
            EXPECT_NE(image->pixels[7 * 13 + 6], image->transparentIndex);
        }
    }
}

TEST(GifImages, BoardsShowTheirLanguagesLetters) {
    const auto pixels = [](const char* file) { return Decode(ReadGif(file)).value().pixels; };
    // Polish uses the English letters N E S W; Italian and French both use N E S O.
    EXPECT_EQ(pixels("board.gif"), pixels("board_polski.gif"));
    EXPECT_EQ(pixels("board_italiano.gif"), pixels("board_francais.gif"));
    EXPECT_NE(pixels("board.gif"), pixels("board_deutsch.gif"));        // O for East
    EXPECT_NE(pixels("board_deutsch.gif"), pixels("board_dutch.gif"));  // Z for South
    EXPECT_NE(pixels("board_dansk.gif"), pixels("board_svenska.gif"));  // the two O's
    EXPECT_NE(pixels("heart.gif"), pixels("diamond.gif"));
}

}  // namespace
