#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/count_text.h"
#include "core/drawing.h"
#include "core/number_text.h"
#include "model/random.h"
#include "platform/steady_clock.h"
#include "support/program_test.h"

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

// Only a recorded spin keeps a number too large for a double, as an infinity (the
// plain cases as the import reads them, in import_test.cpp).
TEST(ReadNumberKeepingOverflow, GivesAnInfinityOfTheSignForTooLarge) {
    const std::vector<std::pair<std::string, double>> cases = {{"-1e999", -HUGE_VAL},
                                                               {"-" + kNines + ".5", -HUGE_VAL},
                                                               {"0.00" + kNines + "e312", HUGE_VAL},
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

using testing::kEnd;

constexpr Colour kGreen = rgb(128, 255, 128);
constexpr Colour kGrey = rgb(224, 224, 224);

class RunControl : public testing::ProgramTest {
  protected:
    std::string labels() const {
        return form.Label11.caption + "|" + form.Label13.caption + "|" + form.Label14.caption;
    }
    std::string counts(int n) const { return t1(n, 1) + "|" + t1(n, 2) + "|" + t1(n, 3); }
};

TEST_F(RunControl, ReadsEveryCountBackFromItsText) {
    form.lrot.caption = "41";
    form.lgerade.caption = "x";
    form.tabelle1.setRow(12);
    form.tabelle1.setCol(1);
    form.tabelle1.setText("9abc");
    form.tabelle1.setRow(5);
    form.tabelle1.setText("999999999999999");
    throwOneByOne({12, 5, 6, 5});
    EXPECT_EQ(form.lrot.caption, "44");
    EXPECT_EQ(form.lgerade.caption, "2") << "a text without a number reads as 0";
    EXPECT_EQ(t1(12, 1), "10");
    EXPECT_EQ(t1(5, 1), "1000000000000001") << "carried on through 10^15";
    EXPECT_EQ(form.Label11.caption, "") << "the count went from 9 to 10, not to 2";
}

// The even-money chances of every number, against the wheel's own layout.
class EvenMoneyChances : public RunControl, public ::testing::WithParamInterface<int> {};

TEST_P(EvenMoneyChances, CountsTheChancesOfTheNumberOnly) {
    static const std::set<int> red = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                      19, 21, 23, 25, 27, 30, 32, 34, 36};
    const int n = GetParam();
    throwOneByOne({n});
    const auto shown = [n](bool counted) { return std::string(n != 0 && counted ? "1" : ""); };
    EXPECT_EQ(form.lzahl.caption, std::to_string(n));
    EXPECT_EQ(t1(n, 1), "1");
    EXPECT_EQ(form.lrot.caption, shown(red.count(n) == 1));
    EXPECT_EQ(form.lschwarz.caption, shown(red.count(n) == 0));
    EXPECT_EQ(form.lklein.caption, shown(n <= 18));
    EXPECT_EQ(form.lgross.caption, shown(n >= 19));
    EXPECT_EQ(form.lgerade.caption, shown(n % 2 == 0));
    EXPECT_EQ(form.lungerade.caption, shown(n % 2 == 1));
}

INSTANTIATE_TEST_SUITE_P(EveryNumber, EvenMoneyChances, ::testing::Range(0, 37));

// Clicks of a run from start-up: what is typed and selected before them, and
// what the window shows after them.
struct Step {
    const char* wanted;  // nullptr: nothing typed
    int mode;            // -1: nothing selected
    const char* halt;    // nullptr: nothing typed
    int clicks;
    double wurfnr, counted;  // counted: the sum of column 1 of tabelle1
    int modeAfter;
    bool ended;
    const char* lrotat = "";
    Colour rotColour = kGrey;
};
struct Run {
    const char* name;
    std::vector<Step> steps;
};

class Clicks : public RunControl, public ::testing::WithParamInterface<Run> {};

TEST_P(Clicks, StopWhereTheModeSays) {
    for (const Step& c : GetParam().steps) {
        SCOPED_TRACE(writeNumber(c.wurfnr));
        if (c.wanted != nullptr) {
            want(c.wanted);
        }
        if (c.mode >= 0) {
            form.Option1.select(c.mode);
        }
        if (c.halt != nullptr) {
            form.haltbei.setText(c.halt);
        }
        for (int i = 0; i < c.clicks; ++i) {
            click();
        }
        EXPECT_EQ(s.wurfnr, c.wurfnr);
        EXPECT_EQ(form.lakut.caption, writeNumber(c.wurfnr));
        EXPECT_EQ(columnSum(1), c.counted);
        EXPECT_EQ(static_cast<double>(fake.clock.readings), 2 + c.wurfnr)
            << "one reseed before every draw";
        EXPECT_EQ(form.text.caption, testing::kRandomText + (c.ended ? kEnd : ""));
        EXPECT_EQ(form.okstart.enabled, !c.ended);
        EXPECT_EQ(form.okstart.caption, c.ended ? "Start" : "Weiter");
        EXPECT_EQ(form.Option1.selected(), c.modeAfter);
        EXPECT_EQ(form.haltbei.enabled, c.modeAfter == 2);
        EXPECT_EQ(form.haltbei.text(), c.modeAfter == 2 && c.halt ? c.halt : "");
        EXPECT_EQ(form.haltbei.background, c.modeAfter == 2 ? rgb(255, 255, 255) : kGrey);
        if (c.halt != nullptr) {
            EXPECT_EQ(s.haltwurf, readNumber(c.halt)) << "kept when the mode changes";
        }
        EXPECT_EQ(form.Lrotat.caption, c.lrotat);
        EXPECT_EQ(form.Lrotat.background, c.rotColour);
        EXPECT_FALSE(form.okextern.enabled);
    }
}

const Step kRotation100[] = {{"100", 3, {}, 1, 37, 37, 3, false, "1", kGreen},
                             {{}, -1, {}, 1, 74, 37, 0, false, "2", kGrey}};
const Step kRotation74[] = {{"74", 3, {}, 1, 37, 37, 3, false, "1", kGreen},
                            {{}, -1, {}, 1, 74, 37, 0, false, "1", kGreen}};

const Run kRuns[] = {
    {"Durchlauf", {{"100", 1, {}, 1, 100, 100, 1, true}}},
    {"FractionalWant", {{"12.5", 1, {}, 1, 13, 13, 1, true}}},
    {"WantNotAboveDone", {{"4", 1, {}, 1, 4, 4, 1, true}, {"3", 0, {}, 1, 4, 4, 0, true}}},
    {"WantAfterTheEnd", {{"5", 1, {}, 1, 5, 5, 1, true}, {"8", -1, {}, 1, 8, 8, 1, true}}},
    {"HaltAt20", {{"100", 2, "20", 1, 20, 20, 0, false}, {{}, -1, {}, 1, 21, 21, 0, false}}},
    {"HaltBelowDone", {{"5", 1, {}, 1, 5, 5, 1, true}, {"100", 2, "3", 1, 6, 6, 0, false}}},
    {"HaltNotTyped", {{"100", 2, {}, 1, 1, 1, 0, false}}},
    {"HaltAboveWanted", {{"30", 2, "50", 1, 30, 30, 2, true}}},
    // The last throws after the rotations are single steps.
    {"Rotation100",
     {kRotation100[0],
      kRotation100[1],
      {{}, -1, {}, 26, 100, 63, 0, false, "2", kGrey},
      {{}, -1, {}, 1, 100, 63, 0, true, "2", kGrey}}},
    // The throw that reaches the throws wanted is not counted toward the
    // rotation, so the rotation that would end on it is not counted.
    {"Rotation74", {kRotation74[0], kRotation74[1], {{}, -1, {}, 1, 74, 37, 0, true, "1", kGreen}}},
    // The early end left 36 throws of the rotation done: one more ends it.
    {"RotationAfterAnEarlyEnd",
     {kRotation74[0], kRotation74[1], {"200", 3, {}, 1, 75, 1, 3, false, "2", kGreen}}},
    {"RotationGreenAgainAfterGrey",
     {kRotation100[0], kRotation100[1], {"111", 3, {}, 1, 111, 37, 0, false, "2", kGreen}}},
    // A rotation ends when rotwurf reaches 37, whatever rotwurfnr holds.
    {"RotationAfterSingleSteps",
     {{"100", 0, {}, 5, 5, 5, 0, false}, {{}, 3, {}, 1, 42, 37, 3, false, "1", kGreen}}}};

INSTANTIATE_TEST_SUITE_P(Runs, Clicks, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

// An import reads the entries, then zeros, and ends where the record ends. An
// entry that names no number still takes its throw: counted, shown as no number,
// and breaking a run of equal numbers.
TEST_F(RunControl, ImportReadsTheEntriesThenZerosAndEndsWhereTheRecordEnds) {
    s.permanenz = {{}, 5, 5, 99, 5, 40};  // five spins, then twenty empty entries
    s.permanenz.resize(26);
    s.importmodus = 1;
    const std::string header = "Spielbank Test\rTisch 1\rJuni";
    form.text.caption = header;
    run("5", 1);
    EXPECT_EQ(form.lakut.caption + "|" + form.lzahl.caption, "5|");
    EXPECT_EQ(columnSum(1), 3);
    EXPECT_EQ(counts(5), "3|1|");
    EXPECT_EQ(s.zahl, 5);
    EXPECT_EQ(s.vorzahl, 200);
    EXPECT_EQ(form.text.caption, header + kEnd);

    run("30", 1);
    EXPECT_EQ(s.wurfnr, 25) << "entries 1 to N + 20 exist";
    EXPECT_EQ(t1(0, 1), "20") << "the throws behind the spins are number 0";
    EXPECT_EQ(form.text.caption, header + kEnd + kEnd) << "one end line per run";
    EXPECT_FALSE(form.okstart.enabled);
    want("40");
    click();
    EXPECT_EQ(s.wurfnr, 25);
    EXPECT_EQ(form.text.caption, header + kEnd + kEnd + kEnd);
    EXPECT_EQ(fake.clock.readings, 2u) << "the generator is left alone";
}

// rotwurfnr counts the throws of every mode and stops at 32767.
TEST_F(RunControl, TheThrowWithinARotationStopsAtTheLargestSixteenBitValue) {
    s.rotwurfnr = 32765;
    numbers({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});  // no double before the rotation
    run("10", 1);
    EXPECT_EQ(s.rotwurfnr, 32767);
    numbers({9, 9});
    run("100", 3);
    EXPECT_EQ(form.Label13.caption, "32767");
}

// Past 2^53 a throw no longer changes wurfnr: the run ends there.
TEST_F(RunControl, TheThrowCounterShowsItsTextUpToWhereItCanGrowNoFurther) {
    s.wurfnr = std::ldexp(1.0, 53) - 2;
    run("1e20", 1);
    EXPECT_EQ(form.lakut.caption, "9007199254740992");
    EXPECT_EQ(form.text.caption, testing::kRandomText + kEnd);
}

// A clock that ticks far slower than throws are made: thousands of throws read
// the same value, so a reseed that replaced the state would repeat its number.
class CoarseClock : public Clock {
  public:
    std::uint64_t seed() override { return 1733500000 + (++reads_ / 5000); }

  private:
    std::uint64_t reads_ = 0;
};

// 370,000 throws of "Durchlauf" through the whole program, with the real clock
// (twice: no two starts draw the same numbers), a coarse one and one that counts;
// the four do not all open with the same number (a chance of 1 in 50,000).
// The bounds are ones a correct generator exceeds less than once in a million runs.
TEST(ThrowStatistics, EveryNumberComesWithProbabilityOneIn37) {
    testing::FakePlatform fake;
    SteadyClock steady;
    CoarseClock coarse;
    Clock* const clocks[] = {&steady, &steady, &coarse, &fake.clock};
    std::vector<std::string> counts;  // column 1 of tabelle1 after each run
    std::set<std::string> firstNumbers;
    for (Clock* clock : clocks) {
        Platform platform{fake.messageBox, *clock,       fake.locale,
                          fake.files,      fake.printer, fake.session};
        Program program{platform};
        Form1& form = program.form;
        program.startUp();
        constexpr double n = 370000;
        form.textanzahl.setText("1");
        form.Option1.select(1);
        form.okstart.click();
        firstNumbers.insert(form.lzahl.caption);
        form.textanzahl.setText("370000");
        form.okstart.click();
        ASSERT_EQ(form.state.wurfnr, n);

        const double expected = n / 37;
        double chiSquare = 0;
        double doubles = 0;
        std::string& column = counts.emplace_back();
        for (int r = 0; r <= 36; ++r) {
            column += form.tabelle1.cell(r, 1).text + " ";
            const double observed = readNumber(form.tabelle1.cell(r, 1).text);
            chiSquare += (observed - expected) * (observed - expected) / expected;
            doubles += readNumber(form.tabelle1.cell(r, 2).text);
        }
        // Upper 1e-6 quantile of the chi-square distribution with 36 degrees of
        // freedom (regularised incomplete gamma function solved numerically).
        EXPECT_LT(chiSquare, 91.502);

        // The n - 1 neighbour pairs are equal with probability 1/37 each, and these
        // events are pairwise independent, so their sum has variance (n-1) p (1-p).
        const double p = 1.0 / 37;
        const double mean = (n - 1) * p;
        const double sd = std::sqrt((n - 1) * p * (1 - p));
        // Two-sided normal bound at 1e-6.
        EXPECT_LT(std::fabs(doubles - mean), 4.8917 * sd) << "doubles " << doubles;
    }
    EXPECT_NE(counts[0], counts[1]) << "two starts on the real clock drew the same numbers";
    EXPECT_GT(firstNumbers.size(), 1u) << "the first throw does not follow the clock";
}

}  // namespace
}  // namespace lurnatik
