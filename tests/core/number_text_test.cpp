#include "core/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/count_text.h"
#include "core/drawing.h"
#include "window/model/random.h"

namespace lurnatik {
namespace {

const std::string kNines(400, '9');
constexpr double kInf = std::numeric_limits<double>::infinity();

const std::pair<const char*, double> kReadLiteral[] = {
    {"", 0},       {" ", 0},      {"12", 12},    {"12abc", 12}, {"0", 0},       {"-", 0},
    {"+", 0},      {"--5", 0},    {"-5", -5},    {"+7", 7},     {"1 7", 17},    {" \t\n4\t2", 42},
    {"3.5", 3.5},  {"3,5", 3},    {".5", 0.5},   {".", 0},      {"5.", 5},      {"1e3", 1000},
    {"1E3", 1000}, {"1e", 1},     {"1e+", 1},    {"2e-1", 0.2}, {"1 e 2", 100}, {"&H", 0},
    {"&HFF", 255}, {"&hff", 255}, {"&O17", 15},  {"&O8", 0},    {"&X1", 0},     {"&", 0},
    {"-0", 0},     {"1e999", 0},  {"-1e999", 0}, {"1e-999", 0}, {"x12", 0},     {"\r12", 0},
    {"12\r5", 12}, {"ü12", 0},    {"12ü", 12}};
TEST(ReadNumber, ReadsTheLeadingNumberNeverMinusZero) {
    // The literal texts, then long ones and one with a NUL inside.
    std::vector<std::pair<std::string, double>> cases(std::begin(kReadLiteral),
                                                      std::end(kReadLiteral));
    cases.insert(cases.end(), {{"999999999999999", 999999999999999},
                               {"1234567890123456789", 1234567890123456789.0},
                               {"&H" + std::string(300, 'F'), 0},
                               {kNines, 0},
                               {std::string(400, '-'), 0},
                               {std::string(100000, ' ') + "5", 5},
                               {"0." + std::string(100000, '0') + "1", 0},
                               {std::string(100000, '0') + "7", 7},
                               {std::string("4\0002", 3), 4}});
    for (const auto& [text, value] : cases) {
        const double got = readNumber(text);
        EXPECT_EQ(got, value) << "text \"" << text << "\"";
        EXPECT_FALSE(got == 0 && std::signbit(got)) << "-0 from \"" << text << "\"";
    }
}

// Only a recorded spin keeps a number too large for a double, as an infinity.
TEST(ReadNumberKeepingOverflow, GivesAnInfinityOfTheSignForTooLarge) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"1e999", HUGE_VAL},
        {"-1e999", -HUGE_VAL},
        {kNines, HUGE_VAL},
        {"-" + kNines + ".5", -HUGE_VAL},
        {"0.00" + kNines + "e312", HUGE_VAL},
        {"&H" + std::string(300, 'F'), HUGE_VAL},
        {"1e-999", 0},
        {"-" + kNines + "e-999", 0},
        {"1e99999999999999999999", HUGE_VAL},
        {"17", 17}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(readNumberKeepingOverflow(text), value) << text;
    }
}

TEST(WriteNumber, WritesTheShortestForm) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},     {-0.0, "0"},  {1, "1"},   {12, "12"},      {300, "300"},
        {3.5, "3.5"}, {0.1, "0.1"}, {-4, "-4"}, {1e21, "1e+21"}, {1000000, "1000000"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(writeNumber(value), text) << value;
    }
    EXPECT_EQ(writeNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(writeNumber(1e15), "1000000000000000");
    EXPECT_EQ(writeNumber(9007199254740993.0), "9007199254740992");
}

// Raising a count in place must give exactly what reading, adding one and
// writing gives: the listed texts, then random ones.
TEST(RaiseCount, EqualsReadAddOneWrite) {
    std::vector<std::string> texts = {
        "",    " ",    "0",     "00",    "007", "1",  "9",     "10",        "19",   "99",  "199",
        "909", "999",  "12abc", "x",     "-5",  "-1", "+4",    " 12",       "12 ",  "1 2", "3.5",
        "2e3", "&HFF", "1e+15", "1e999", "1:",  "/9", "7\xB9", "2\xC3\xA4", "\t9\n"};
    texts.insert(texts.end(), {"123456789:", "99999999999999", "999999999999999",
                               "1000000000000001", "9007199254740992", std::string("4\0002", 3)});
    std::mt19937 random(12345);
    const std::string alphabet = "0123456789999 .-+eE&Hx";
    while (texts.size() < 20000) {
        std::string& text = texts.emplace_back();
        for (auto length = random() % 17; length > 0; --length) {
            text += alphabet[random() % alphabet.size()];
        }
    }
    for (const std::string& text : texts) {
        std::string inPlace = text;
        raiseCount(inPlace);
        ASSERT_EQ(inPlace, writeNumber(readNumber(text) + 1)) << "text \"" << text << "\"";
    }
}

// Half to even; what is no number of the wheel is refused.
TEST(WheelNumber, RoundsHalfToEvenAndRefusesWhatIsNoNumberOfTheWheel) {
    const std::pair<double, int> kept[] = {{2.5, 2},  {3.5, 4},  {8.5, 8},   {0.5, 0},
                                           {-0.5, 0}, {-0.4, 0}, {36.4, 36}, {36.5, 36}};
    for (const auto& [entry, zahl] : kept) {
        EXPECT_EQ(wheelNumber(entry), zahl) << entry;
    }
    const double refused[] = {36.6,  -0.6,  37.0, -1.0,  32767.0,     40000.0,
                              -1e12, 1e300, kInf, -kInf, std::nan("")};
    for (double entry : refused) {
        EXPECT_EQ(wheelNumber(entry), std::nullopt) << entry;
    }
}

// Empty is a NaN of its own: every double a file can give, and any NaN, is kept.
TEST(PermanenzEntry, KeepsEveryDoubleAndTellsEmptyApart) {
    EXPECT_FALSE(PermanenzEntry().has_value());
    for (double value : {0.0, -0.0, 17.0, 3.5, -1e300, kInf, -kInf}) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(PermanenzEntry(value).value_or(0)),
                  std::bit_cast<std::uint64_t>(value));
    }
    for (double nan :
         {-std::nan(""), kInf - kInf, std::bit_cast<double>(0xFFF8'0000'E3B7'0000ull)}) {
        EXPECT_TRUE(std::isnan(PermanenzEntry(nan).value_or(0)));
    }
}

TEST(NumberFromBits, CoversTheWheelExactly) {
    EXPECT_EQ(Generator::numberFromBits(0), 0);
    EXPECT_EQ(Generator::numberFromBits(0xFFFFFFFFu), 36);
    // Number k begins at the first 32-bit value r with r * 37 >= k * 2^32.
    for (int k = 1; k <= 36; ++k) {
        const auto first = static_cast<std::uint32_t>((k * (std::uint64_t{1} << 32) + 36) / 37);
        EXPECT_EQ(Generator::numberFromBits(first), k);
        EXPECT_EQ(Generator::numberFromBits(first - 1), k - 1);
    }
}

}  // namespace
}  // namespace lurnatik
