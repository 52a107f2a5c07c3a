// Draws the images an HTML page of Kesto refers to and writes them as GIF files into the
// folder given on the command line: spade.gif, heart.gif, diamond.gif and club.gif (13 x 14,
// transparent background) and a 50 x 50 board image for each printing language, with that
// language's seat letters around the table (board.gif for English, board_<language>.gif for
// the others). Standard C++ only; the GIF writer and its LZW coder are the few lines below.
//
// Usage: kesto_make_gifs FOLDER     (exit status 0 when every file was written)

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// A picture as palette indices, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    Picture(int w, int h, std::uint8_t fill)
        : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}
    void Set(int x, int y, std::uint8_t colour) {
        if (x >= 0 && x < width && y >= 0 && y < height) {
            pixels[static_cast<std::size_t>(y * width + x)] = colour;
        }
    }
};

// The palette every image shares (eight entries, so three bits a pixel).
enum Colour : std::uint8_t {
    kWhite = 0,
    kBlack = 1,
    kRed = 2,
    kBoardFill = 3,
    kBoardEdge = 4,
    kTableGreen = 5,
    kLetter = 6,
    kSpare = 7,
};
constexpr std::array<std::array<std::uint8_t, 3>, 8> kPalette = {{
    {255, 255, 255},
    {0, 0, 0},
    {204, 0, 0},
    {245, 236, 210},
    {110, 72, 36},
    {46, 125, 50},
    {20, 20, 20},
    {128, 128, 128},
}};
constexpr int kMinCodeSize = 3;

// LZW as GIF wants it: variable code width from kMinCodeSize + 1 up to 12 bits, codes packed
// least significant bit first, a clear code first and whenever the table is full.
std::vector<std::uint8_t> LzwCompress(const std::vector<std::uint8_t>& pixels) {
    const int clearCode = 1 << kMinCodeSize;
    const int endCode = clearCode + 1;
    std::vector<std::uint8_t> out;
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;
    int codeSize = kMinCodeSize + 1;
    const auto emit = [&](int code) {
        bitBuffer |= static_cast<std::uint32_t>(code) << bitCount;
        bitCount += codeSize;
        while (bitCount >= 8) {
            out.push_back(static_cast<std::uint8_t>(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };

    std::map<std::pair<int, std::uint8_t>, int> table;
    int nextCode = endCode + 1;
    emit(clearCode);
    int prefix = -1;
    for (const std::uint8_t pixel : pixels) {
        if (prefix < 0) {
            prefix = pixel;
            continue;
        }
        const auto found = table.find({prefix, pixel});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        emit(prefix);
        if (nextCode < 4096) {
            table[{prefix, pixel}] = nextCode++;
            // The decoder widens its codes once the table holds 2^codeSize entries.
            if (nextCode > (1 << codeSize) && codeSize < 12) {
                ++codeSize;
            }
        } else {
            emit(clearCode);
            table.clear();
            nextCode = endCode + 1;
            codeSize = kMinCodeSize + 1;
        }
        prefix = pixel;
    }
    if (prefix >= 0) {
        emit(prefix);
    }
    emit(endCode);
    if (bitCount > 0) {
        out.push_back(static_cast<std::uint8_t>(bitBuffer & 0xFF));
    }
    return out;
}

void PutWord(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// One GIF89a image; transparent makes palette entry kWhite transparent.
std::vector<std::uint8_t> EncodeGif(const Picture& picture, bool transparent) {
    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(out, picture.width);
    PutWord(out, picture.height);
    // Global colour table of 2^(2+1) entries, 8 bits a primary.
    out.push_back(0x80 | (7 << 4) | (kMinCodeSize - 1));
    out.push_back(kWhite);  // background
    out.push_back(0);       // square pixels
    for (const auto& rgb : kPalette) {
        out.insert(out.end(), rgb.begin(), rgb.end());
    }
    if (transparent) {
        const std::uint8_t control[] = {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, kWhite, 0x00};
        out.insert(out.end(), std::begin(control), std::end(control));
    }
    out.push_back(0x2C);  // image descriptor
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, picture.width);
    PutWord(out, picture.height);
    out.push_back(0x00);  // no local table, not interlaced
    out.push_back(kMinCodeSize);
    const std::vector<std::uint8_t> data = LzwCompress(picture.pixels);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    out.push_back(0x00);  // block terminator
    out.push_back(0x3B);  // trailer
    return out;
}

// Draws a bitmap given as rows of '#' and '.', each '#' a scale x scale square.
void Draw(Picture& picture, const std::vector<std::string>& rows, int left, int top, int scale,
          std::uint8_t colour) {
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] != '#') {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    picture.Set(left + static_cast<int>(x) * scale + dx,
                                top + static_cast<int>(y) * scale + dy, colour);
                }
            }
        }
    }
}

const std::vector<std::string> kSpade = {
    "......#......", ".....###.....", "....#####....", "...#######...", "..#########..",
    ".###########.", "#############", "#############", "#############", ".####.#.####.",
    "......#......", ".....###.....", "....#####....", ".............",
};
const std::vector<std::string> kHeart = {
    ".............", ".###.....###.", "#####...#####", "######.######", "#############",
    "#############", "#############", ".###########.", "..#########..", "...#######...",
    "....#####....", ".....###.....", "......#......", ".............",
};
const std::vector<std::string> kDiamond = {
    "......#......", ".....###.....", ".....###.....", "....#####....", "...#######...",
    "..#########..", ".###########.", ".###########.", "..#########..", "...#######...",
    "....#####....", ".....###.....", ".....###.....", "......#......",
};
const std::vector<std::string> kClub = {
    ".....###.....", "....#####....", "....#####....", "....#####....", ".##..###..##.",
    "####.###.####", "#############", "#############", "####.#.#.####", ".##...#...##.",
    "......#......", ".....###.....", "....#####....", ".............",
};

// Seat letters, 5 x 9: two rows above the letter for the diaeresis of O-umlaut.
const std::map<std::string, std::vector<std::string>> kGlyphs = {
    {"N", {".....", ".....", "#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"}},
    {"E", {".....", ".....", "#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {"S", {".....", ".....", ".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {"W", {".....", ".....", "#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {"O", {".....", ".....", ".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {"Z", {".....", ".....", "#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {"V", {".....", ".....", "#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    // O with a stroke (Danish) and O with a diaeresis (Swedish).
    {"O/", {".....", "....#", ".###.", "#..##", "#.#.#", "#.#.#", "#.#.#", "##..#", "####."}},
    {"O:", {".#.#.", ".....", ".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
};

struct BoardLanguage {
    const char* fileName;
    const char* north;
    const char* east;
    const char* south;
    const char* west;
};

// The seat letters of the eight printing languages' built-in words.
constexpr BoardLanguage kBoards[] = {
    {"board.gif", "N", "E", "S", "W"},          {"board_dansk.gif", "N", "O/", "S", "V"},
    {"board_deutsch.gif", "N", "O", "S", "W"},  {"board_dutch.gif", "N", "O", "Z", "W"},
    {"board_francais.gif", "N", "E", "S", "O"}, {"board_italiano.gif", "N", "E", "S", "O"},
    {"board_polski.gif", "N", "E", "S", "W"},   {"board_svenska.gif", "N", "O:", "S", "V"},
};

Picture Suit(const std::vector<std::string>& rows, std::uint8_t colour) {
    Picture picture(13, 14, kWhite);
    Draw(picture, rows, 0, 0, 1, colour);
    return picture;
}

// A duplicate board seen from above: a frame, the table in the middle and the seat letters
// at the four sides, 10 x 14 pixels each.
Picture Board(const BoardLanguage& language) {
    constexpr int kSize = 50;
    Picture picture(kSize, kSize, kBoardFill);
    for (int i = 0; i < kSize; ++i) {
        for (int edge = 0; edge < 2; ++edge) {
            picture.Set(i, edge, kBoardEdge);
            picture.Set(i, kSize - 1 - edge, kBoardEdge);
            picture.Set(edge, i, kBoardEdge);
            picture.Set(kSize - 1 - edge, i, kBoardEdge);
        }
    }
    for (int y = 19; y <= 30; ++y) {
        for (int x = 19; x <= 30; ++x) {
            picture.Set(x, y, kTableGreen);
        }
    }
    // Glyph tops (the letter itself starts 4 pixels lower, below the diaeresis rows).
    Draw(picture, kGlyphs.at(language.north), 20, -1, 2, kLetter);
    Draw(picture, kGlyphs.at(language.south), 20, 29, 2, kLetter);
    Draw(picture, kGlyphs.at(language.west), 4, 14, 2, kLetter);
    Draw(picture, kGlyphs.at(language.east), 36, 14, 2, kLetter);
    return picture;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "kesto_make_gifs: cannot write " << path.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kesto_make_gifs FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "kesto_make_gifs: cannot create " << folder.string() << ": " << error.message()
                  << "\n";
        return 1;
    }
    bool ok = WriteFile(folder / "spade.gif", EncodeGif(Suit(kSpade, kBlack), true));
    ok = WriteFile(folder / "heart.gif", EncodeGif(Suit(kHeart, kRed), true)) && ok;
    ok = WriteFile(folder / "diamond.gif", EncodeGif(Suit(kDiamond, kRed), true)) && ok;
    ok = WriteFile(folder / "club.gif", EncodeGif(Suit(kClub, kBlack), true)) && ok;
    for (const BoardLanguage& language : kBoards) {
        ok = WriteFile(folder / language.fileName, EncodeGif(Board(language), false)) && ok;
    }
    return ok ? 0 : 1;
}
