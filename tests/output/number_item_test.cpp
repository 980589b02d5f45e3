// The number item both printers write: a sign or a blank, the plain digits with
// the user's separator, a trailing blank.

#include <gtest/gtest.h>

#include "platform/number_item.h"

namespace lurnatik {
namespace {

TEST(NumberItem, SignBlankPlainDigitsTrailingBlank) {
    const struct {
        double value;
        const char* separator;
        const char* item;
    } cases[] = {{100, ".", " 100 "},
                 {0, ".", " 0 "},
                 {-0.0, ".", " 0 "},
                 {2.5, ",", " 2,5 "},
                 {2.5, ".", " 2.5 "},
                 {-3, ",", "-3 "},
                 {-0.25, ",", "-0,25 "},
                 {0.1, ".", " 0.1 "},
                 {1234567.125, ",", " 1234567,125 "},
                 {1e20, ".", " 100000000000000000000 "},
                 {1e-5, ".", " 0.00001 "},
                 {1000000, "\xC2\xB7", " 1000000 "}};
    for (const auto& c : cases) {
        EXPECT_EQ(numberItem(c.value, c.separator), c.item) << c.value;
    }
}

}  // namespace
}  // namespace lurnatik
