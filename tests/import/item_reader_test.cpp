#include "import/item_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lurnatik {
namespace {

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

using namespace std::string_literals;

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
