// How the bytes of a permanence file are read: their text encoding, their items.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/item_reader.h"
#include "import/text_encoding.h"

namespace lurnatik {
namespace {

using namespace std::string_literals;

std::string decoded(std::string_view bytes) {
    return decodedFileText(std::string(bytes));
}

// Bytes that are not strictly UTF-8 are read as Windows-1252 (the valid ones stay).
struct Encoding {
    const char* what;
    std::string (*decode)(std::string_view);
    std::string bytes, text;
};

TEST(TextEncoding, DecodesEachEncoding) {
    const Encoding cases[] = {
        {"valid UTF-8", toUtf8, "W\xC3\xBCrfe \xE2\x82\xAC", "W\xC3\xBCrfe \xE2\x82\xAC"},
        {"four bytes", toUtf8, "\xF0\x9F\x8E\xB2", "\xF0\x9F\x8E\xB2"},
        {"Windows-1252", toUtf8, "Gr\xF6\xDF\x65 \x80 \x84x\x93",
         "Gr\xC3\xB6\xC3\x9F\x65 \xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C"},
        {"unassigned and high", windows1252ToUtf8, "\x81\x9F", "\xEF\xBF\xBD\xC5\xB8"},
        {"cut short", toUtf8, "\xC3", "\xC3\x83"},
        {"overlong of two", toUtf8, "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"overlong of three", toUtf8, "\xE0\x80\xAF", "\xC3\xA0\xE2\x82\xAC\xC2\xAF"},
        {"surrogate", toUtf8, "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"too high", toUtf8, "\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"},
        {"stray byte", toUtf8, "\xC3\xA4\xBF", "\xC3\x83\xC2\xA4\xC2\xBF"},
        {"UTF-16 LE", decoded, "\xFF\xFE\x41\0\xFC\0\xAC\x20"s, "\x41\xC3\xBC\xE2\x82\xAC"},
        {"UTF-16 BE, a surrogate pair", decoded, "\xFE\xFF\xD8\x3C\xDF\xB2", "\xF0\x9F\x8E\xB2"},
        {"a lone surrogate", decoded, "\xFF\xFE\0\xD8\x41\0"s, "\xEF\xBF\xBD\x41"},
        {"an odd last byte", decoded, "\xFF\xFE\x41\0\x42"s, "\x41\xEF\xBF\xBD"},
        {"UTF-16 end-of-file mark", decoded, "\xFF\xFE\x31\0\x1A\0"s, "\x31"},
        {"one end-of-file mark", decoded, "1\x1A\x1A", "1\x1A"},
        {"end-of-file mark first", decoded, "\x1A\x31", "\x1A\x31"},
        {"no mark", decoded, "\xFF\xFD\x31", "\xFF\xFD\x31"}};
    for (const Encoding& c : cases) {
        EXPECT_EQ(c.decode(c.bytes), c.text) << c.what;
    }
}

// At most one item more than bytes, so that a reader that stops moving fails.
std::vector<std::string> itemsOf(std::string_view data) {
    std::vector<std::string> items;
    ItemReader reader(data);
    std::string_view item;
    while (items.size() <= data.size() && reader.next(item)) {
        items.emplace_back(item);
    }
    return items;
}

struct Split {
    const char* what;
    std::string data;
    std::vector<std::string> items;
};

TEST(ItemReader, DeliversTheItems) {
    const Split cases[] = {
        Split{"nothing", "", {}},
        Split{"commas", "17,0,32", {"17", "0", "32"}},
        Split{"every kind of line end", "a\r\nb\rc\nd\n\re", {"a", "b", "c", "d", "e"}},
        Split{"blanks before items", "  a,\t b", {"a", "b"}},
        Split{"blanks after items", "a  ,b\t\r\nc ", {"a", "b", "c"}},
        Split{"blank inside an item", "3 5", {"3 5"}},
        Split{"empty item between commas", "1,,2", {"1", "", "2"}},
        Split{"empty item of blanks", "1,  ,2", {"1", "", "2"}},
        Split{"comma that begins a line", "1\r\n,2", {"1", "", "2"}},
        Split{"comma that ends a line", "1,\r\n2,  \r\n3", {"1", "2", "3"}},
        Split{"comma that ends the data", "1,2,", {"1", "2"}},
        Split{"blank lines", "1\r\n\r\n  \r\n\n2", {"1", "2"}},
        Split{"white space after the last item", "1\r\n \t\r\n\r\n  ", {"1"}},
        Split{"quoted item with comma and line end", "\"a,b\r\nc\",d", {"a,b\r\nc", "d"}},
        Split{"text after a closing quote", "\"x\"yz,w\r\n\"v\" u\r\nt", {"x", "w", "v", "t"}},
        Split{"quote that never closes", "1,\"2,3\r\n4", {"1", "2,3\r\n4"}},
        Split{"empty quotes", "\"\",5", {"", "5"}},
        Split{"quote after blanks", "  \"-\",7", {"-", "7"}},
        Split{"quote inside an unquoted item", "ab\"c,d", {"ab\"c", "d"}},
        Split{"NUL bytes are characters", "a\0b,\0,c"s, {"a\0b"s, "\0"s, "c"}}};
    for (const Split& c : cases) {
        EXPECT_EQ(itemsOf(c.data), c.items) << c.what;
    }
}

}  // namespace
}  // namespace lurnatik
