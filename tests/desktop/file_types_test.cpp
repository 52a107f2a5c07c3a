// The deal files' types that the desktop files declare (the types themselves, the menu entry's
// MimeType line, the AppStream metadata's media types) against the kinds table, so that a kind
// added to the table cannot be left out of the file manager's view.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "kesto/files/deal_file_kinds.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/file_io.h"

namespace kesto::test {
namespace {

std::string DesktopFile(const std::string& name) {
    const StatusOr<std::string> read = ReadWholeFile(KESTO_SOURCE_DIR "/desktop/" + name);
    EXPECT_TRUE(read.status.Ok()) << name;
    return read.value;
}

// The text between open and close after each occurrence of open.
std::vector<std::string> Between(const std::string& text, const std::string& open,
                                 const std::string& close) {
    std::vector<std::string> found;
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        at += open.size();
        const size_t stop = text.find(close, at);
        found.push_back(text.substr(at, stop - at));
        at = stop;
    }
    return found;
}

// The type of each file name pattern in kesto-mime.xml: "*.kst" -> "application/x-kesto".
std::map<std::string, std::string> TypesByPattern() {
    std::map<std::string, std::string> types;
    for (const std::string& block :
         Between(DesktopFile("kesto-mime.xml"), "<mime-type type=\"", "</mime-type>")) {
        const std::string type = block.substr(0, block.find('"'));
        for (const std::string& pattern : Between(block, "<glob pattern=\"", "\"")) {
            types[pattern] = type;
        }
    }
    return types;
}

// The types of the kinds Kesto reads. The legacy text kind has none: its
// extension is every text file's, and claiming it would open them all in Kesto.
std::set<std::string> TableTypes() {
    const std::map<std::string, std::string> types = TypesByPattern();
    std::set<std::string> found;
    for (const DealFileKindRow& row : kDealFileKinds) {
        if (row.kind == DealFileKind::Legacy) {
            continue;
        }
        const std::string pattern = "*." + LowerAscii(row.extension);
        const auto type = types.find(pattern);
        EXPECT_NE(type, types.end()) << "kesto-mime.xml has no type for " << pattern;
        if (type != types.end()) {
            found.insert(type->second);
        }
    }
    return found;
}

// The types themselves, the menu entry's and the metadata's: each the table's kinds exactly.
TEST(DesktopFileTypes, EachFileNamesEveryKindAndNoOther) {
    const std::set<std::string> table = TableTypes();
    std::set<std::string> declared;
    for (const auto& [pattern, type] : TypesByPattern()) {
        declared.insert(type);
    }
    EXPECT_EQ(declared, table);
    const std::vector<std::string> line =
        Between(DesktopFile("kesto.desktop"), "\nMimeType=", "\n");
    ASSERT_EQ(line.size(), 1u);
    // "a;b;" read as the types between semicolons.
    const std::vector<std::string> menu = Between(";" + line[0], ";", ";");
    std::set<std::string> listed(menu.begin(), menu.end());
    listed.erase("");
    EXPECT_EQ(listed, table);
    const std::vector<std::string> metadata =
        Between(DesktopFile("org.kesto.Kesto.metainfo.xml"), "<mediatype>", "</mediatype>");
    EXPECT_EQ(std::set<std::string>(metadata.begin(), metadata.end()), table);
}

}  // namespace
}  // namespace kesto::test
