#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace lurnatik {
namespace {

struct ReadCase {
    std::string text;
    double value;
};

class ReadNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    const double got = readNumber(c.text);
    EXPECT_EQ(got, c.value) << "text \"" << c.text << "\"";
    if (got == 0) {
        EXPECT_FALSE(std::signbit(got)) << "never -0";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    ::testing::Values(
        ReadCase{"", 0}, ReadCase{" ", 0}, ReadCase{"12", 12}, ReadCase{"12abc", 12},
        ReadCase{"0", 0}, ReadCase{"-", 0}, ReadCase{"+", 0}, ReadCase{"--5", 0},
        ReadCase{"-5", -5}, ReadCase{"+7", 7}, ReadCase{"1 7", 17}, ReadCase{" \t\n4\t2", 42},
        ReadCase{"3.5", 3.5}, ReadCase{"3,5", 3}, ReadCase{".5", 0.5}, ReadCase{".", 0},
        ReadCase{"5.", 5}, ReadCase{"1e3", 1000}, ReadCase{"1E3", 1000}, ReadCase{"1e", 1},
        ReadCase{"1e+", 1}, ReadCase{"2e-1", 0.2}, ReadCase{"1 e 2", 100}, ReadCase{"&H", 0},
        ReadCase{"&HFF", 255}, ReadCase{"&hff", 255}, ReadCase{"&O17", 15}, ReadCase{"&O8", 0},
        ReadCase{"&X1", 0}, ReadCase{"&", 0}, ReadCase{"-0", 0}, ReadCase{"1e999", 0},
        ReadCase{"-1e999", 0}, ReadCase{"1e-999", 0}, ReadCase{"&H" + std::string(300, 'F'), 0},
        ReadCase{"x12", 0}, ReadCase{"\r12", 0}, ReadCase{"12\r5", 12}, ReadCase{"ü12", 0},
        ReadCase{"12ü", 12}, ReadCase{"999999999999999", 999999999999999},
        ReadCase{"1234567890123456789", 1234567890123456789.0}, ReadCase{std::string(400, '9'), 0},
        ReadCase{std::string(400, '-'), 0}, ReadCase{std::string(100000, ' ') + "5", 5},
        ReadCase{"0." + std::string(100000, '0') + "1", 0},
        ReadCase{std::string(100000, '0') + "7", 7},
        ReadCase{std::string("4\0"
                             "2",
                             3),
                 4}));

// Only a recorded spin keeps a number too large for a double, as an infinity.
TEST(ReadNumberKeepingOverflow, GivesAnInfinityOfTheSignForTooLarge) {
    const std::string nines(400, '9');
    for (const auto& [text, value] :
         std::vector<std::pair<std::string, double>>{{"1e999", HUGE_VAL},
                                                     {"-1e999", -HUGE_VAL},
                                                     {nines, HUGE_VAL},
                                                     {"-" + nines + ".5", -HUGE_VAL},
                                                     {"0.00" + nines + "e312", HUGE_VAL},
                                                     {"&H" + std::string(300, 'F'), HUGE_VAL},
                                                     {"1e-999", 0},
                                                     {"-" + nines + "e-999", 0},
                                                     {"1e99999999999999999999", HUGE_VAL},
                                                     {"17", 17}}) {
        EXPECT_EQ(readNumberKeepingOverflow(text), value) << text;
    }
}

struct WriteCase {
    double value;
    std::string text;
};

class WriteNumber : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteNumber, WritesTheShortestForm) {
    EXPECT_EQ(writeNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WriteNumber,
    ::testing::Values(WriteCase{0, "0"}, WriteCase{-0.0, "0"}, WriteCase{1, "1"},
                      WriteCase{12, "12"}, WriteCase{300, "300"}, WriteCase{3.5, "3.5"},
                      WriteCase{0.1, "0.1"}, WriteCase{-4, "-4"}, WriteCase{1000000, "1000000"},
                      WriteCase{123456789012345, "123456789012345"},
                      WriteCase{1e15, "1000000000000000"},
                      WriteCase{9007199254740993.0, "9007199254740992"}, WriteCase{1e21, "1e+21"}));

}  // namespace
}  // namespace lurnatik
