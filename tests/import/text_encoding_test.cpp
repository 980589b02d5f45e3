#include "import/text_encoding.h"

#include <gtest/gtest.h>

namespace lurnatik {
namespace {

TEST(TextEncoding, KeepsValidUtf8) {
    EXPECT_EQ(toUtf8("W\xC3\xBCrfe \xE2\x82\xAC"), "W\xC3\xBCrfe \xE2\x82\xAC");
}

TEST(TextEncoding, ReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(toUtf8("W\xFCrfe, Gr\xF6\xDF"
                     "e \x80 \x84x\x93"),
              "W\xC3\xBCrfe, Gr\xC3\xB6\xC3\x9F"
              "e \xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C");
    EXPECT_EQ(windows1252ToUtf8("\x81\x9F"), "\xEF\xBF\xBD\xC5\xB8");
}

struct Utf8Case {
    const char* bytes;
    bool valid;
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, IsStrict) {
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid) << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Validity,
                         ::testing::Values(Utf8Case{"plain", true},
                                           Utf8Case{"\xF0\x9F\x8E\xB2", true},   // U+1F3B2
                                           Utf8Case{"\xC3", false},              // cut short
                                           Utf8Case{"\xC0\xAF", false},          // overlong
                                           Utf8Case{"\xE0\x80\xAF", false},      // overlong
                                           Utf8Case{"\xED\xA0\x80", false},      // surrogate
                                           Utf8Case{"\xF4\x90\x80\x80", false},  // too high
                                           Utf8Case{"\xE4\xF6", false},          // Latin-1
                                           Utf8Case{"\xC3\xA4\xBF", false}));    // stray byte

}  // namespace
}  // namespace lurnatik
