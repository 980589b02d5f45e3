#include "import/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

TEST(TextEncoding, Utf8ValidityIsStrict) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x8E\xB2"));  // U+1F3B2
    for (const char* bytes : {"\xC3",              // cut short
                              "\xC0\xAF",          // overlong
                              "\xE0\x80\xAF",      // overlong
                              "\xED\xA0\x80",      // surrogate
                              "\xF4\x90\x80\x80",  // too high
                              "\xE4\xF6",          // Latin-1
                              "\xC3\xA4\xBF"}) {   // stray byte
        EXPECT_FALSE(isValidUtf8(bytes)) << bytes;
    }
}

TEST(TextEncoding, DecodesUtf16BehindItsMarkAndDropsOneEndOfFileMark) {
    using namespace std::string_literals;
    for (const auto& [bytes, text] :
         std::vector<std::pair<std::string, std::string>>{{"\xFF\xFE"
                                                           "A\0\xFC\0\xAC\x20"s,
                                                           "A\xC3\xBC\xE2\x82\xAC"},
                                                          {"\xFE\xFF"
                                                           "\xD8\x3C\xDF\xB2"s,
                                                           "\xF0\x9F\x8E\xB2"},  // a surrogate pair
                                                          {"\xFF\xFE"
                                                           "\x00\xD8"
                                                           "A\0"s,
                                                           "\xEF\xBF\xBD"
                                                           "A"},  // a lone surrogate
                                                          {"\xFF\xFE"
                                                           "A\0B"s,
                                                           "A\xEF\xBF\xBD"},  // an odd last byte
                                                          {"\xFF\xFE"
                                                           "1\0\x1A\0"s,
                                                           "1"},
                                                          {"1\x1A\x1A", "1\x1A"},
                                                          {"\x1A"
                                                           "1",
                                                           "\x1A"
                                                           "1"},
                                                          {"\xFF\xFD"
                                                           "1",
                                                           "\xFF\xFD"
                                                           "1"}}) {
        EXPECT_EQ(decodedFileText(bytes), text) << bytes;
    }
}

}  // namespace
}  // namespace lurnatik
