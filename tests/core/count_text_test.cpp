#include "core/count_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/number_text.h"

namespace lurnatik {
namespace {

// Raising a count must give exactly what reading, adding one and writing gives.
void expectSameAsConversions(const std::string& text) {
    const std::string expected = writeNumber(readNumber(text) + 1);
    std::string inPlace = text;
    raiseCount(inPlace);
    EXPECT_EQ(inPlace, expected) << "text \"" << text << "\"";
}

class RaiseCount : public ::testing::TestWithParam<std::string> {};

TEST_P(RaiseCount, EqualsReadAddOneWrite) {
    expectSameAsConversions(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, RaiseCount,
                         ::testing::Values("", " ", "0", "00", "007", "1", "9", "10", "19", "99",
                                           "199", "909", "999", "12abc", "x", "-5", "-1", "+4",
                                           " 12", "12 ", "1 2", "3.5", "2e3", "&HFF",
                                           "99999999999999", "999999999999999", "1e+15",
                                           "1000000000000001", "9007199254740992", "1e999",
                                           std::string("4\0"
                                                       "2",
                                                       3),
                                           "\t9\n", "1:", "/9", "7\xB9", "2\xC3\xA4"));

TEST(RaiseCountTest, AgreesOnRandomTexts) {
    std::mt19937 random(12345);
    const std::string alphabet = "0123456789999 .-+eE&Hx";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 17);
        for (int k = 0; k < length; ++k) {
            text += alphabet[random() % alphabet.size()];
        }
        expectSameAsConversions(text);
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace lurnatik
