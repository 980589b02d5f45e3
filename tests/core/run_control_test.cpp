#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/drawing.h"
#include "support/program_test.h"

namespace lurnatik {
namespace {

using testing::kEnd;
using testing::kRandomText;

constexpr Colour kGreen = rgb(128, 255, 128);
constexpr Colour kGrey = rgb(224, 224, 224);

using RunControl = testing::ProgramTest;

// One click after `done` throws of a finished run: throws wanted, mode and halt
// throw as typed, and where the click stops. (Ten single steps and the end line
// on the eleventh click are the single_step_end_line scenario.)
struct ClickCase {
    const char* name;
    int done;
    const char* wanted;
    int mode;
    const char* halt;  // nullptr: nothing typed
    double wurfnr;
    bool ended;
    int modeAfter;
};

class OneClick : public testing::ProgramTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(OneClick, StopsWhereTheModeSays) {
    const ClickCase& c = GetParam();
    if (c.done > 0) {
        run(std::to_string(c.done), 1);
    }
    want(c.wanted);
    form.Option1.select(c.mode);
    if (c.halt != nullptr) {
        form.haltbei.setText(c.halt);
    }
    click();
    EXPECT_EQ(s.wurfnr, c.wurfnr);
    EXPECT_EQ(form.lakut.caption, writeNumber(c.wurfnr));
    EXPECT_EQ(columnSum(1), c.wurfnr) << "nothing was reset";
    EXPECT_EQ(form.text.caption, kRandomText + (c.ended ? kEnd : ""))
        << "random mode shows one end line at most";
    EXPECT_EQ(form.okstart.enabled, !c.ended);
    EXPECT_EQ(form.okstart.caption, c.ended ? "Start" : "Weiter");
    EXPECT_EQ(form.Option1.selected(), c.modeAfter);
    EXPECT_TRUE(form.okdruck.enabled);
    EXPECT_TRUE(form.okabbrechen.enabled);
    EXPECT_FALSE(form.okextern.enabled);
    if (!c.ended) {
        click();
        EXPECT_EQ(s.wurfnr, c.wurfnr + 1) << "the next click makes a single step";
    } else if (c.halt != nullptr) {
        EXPECT_EQ(form.haltbei.text(), c.halt) << "the end of a run changes no mode";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneClick,
    ::testing::Values(ClickCase{"SingleStep", 0, "10", 0, nullptr, 1, false, 0},
                      ClickCase{"Durchlauf", 0, "100", 1, nullptr, 100, true, 1},
                      ClickCase{"FractionalWant", 0, "12.5", 1, nullptr, 13, true, 1},
                      ClickCase{"WantNotAboveDone", 4, "3", 0, nullptr, 4, true, 0},
                      ClickCase{"WantAfterTheEnd", 5, "8", 1, nullptr, 8, true, 1},
                      ClickCase{"HaltAt20", 0, "100", 2, "20", 20, false, 0},
                      ClickCase{"HaltBelowDone", 5, "100", 2, "3", 6, false, 0},
                      ClickCase{"HaltNotTyped", 0, "100", 2, nullptr, 1, false, 0},
                      ClickCase{"HaltAboveWanted", 0, "30", 2, "50", 30, true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// The counters and modes of this run are the rotation scenario.
TEST_F(RunControl, RotationsOfThirtySevenWithAHundredWanted) {
    run("100", 3);
    EXPECT_EQ(form.Lrotat.background, kGreen);
    EXPECT_EQ(s.rotwurf, 0);
    EXPECT_EQ(s.rotwurfnr, 0);
    EXPECT_EQ(columnSum(1), 37);
    click();
    EXPECT_EQ(columnSum(1), 37) << "the second rotation counts its own throws only";
    EXPECT_EQ(form.Lrotat.background, kGrey) << "100 - 74 < 37";
    for (int i = 75; i <= 101; ++i) {
        click();
    }
    EXPECT_EQ(s.wurfnr, 100);
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
    EXPECT_EQ(form.Lrotat.caption, "2");
    EXPECT_EQ(columnSum(1), 63) << "single steps count on after the last rotation";
}

TEST_F(RunControl, RotationEndingOnTheLastThrowWantedIsNotCounted) {
    want("74");
    form.Option1.select(3);
    click();
    EXPECT_EQ(form.Lrotat.caption, "1");
    EXPECT_EQ(form.Option1.selected(), 3) << "74 - 37 = 37 throws left";

    click();
    EXPECT_EQ(s.wurfnr, 74);
    EXPECT_EQ(form.Option1.selected(), 0);
    EXPECT_EQ(form.Lrotat.caption, "1");
    EXPECT_EQ(form.Lrotat.background, kGreen);
    EXPECT_EQ(s.rotwurf, 36);
    EXPECT_EQ(s.rotwurfnr, 37);
    click();
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
}

TEST_F(RunControl, ARotationStartsWithEmptyTablesAndWaitingMarks) {
    clickRow(7);
    clickRow(9);
    want("100");
    form.Option1.select(3);
    std::deque<int> first(37, 1);
    first[9] = 7;  // throw 10
    numbers(first);
    click();
    EXPECT_EQ(t2(7), "10");
    EXPECT_EQ(t2(9), " ");
    ASSERT_EQ(s.flagdoppel, 0) << "the end of the rotation sets the flags back";

    std::deque<int> second = {4, 4, 3, 3, 3, 7};
    second.resize(37, 20);
    numbers(second);
    click();
    EXPECT_EQ(t2(7), "6") << "throw 43 is throw 6 of the second rotation";
    EXPECT_EQ(t2(9), " ");
    EXPECT_EQ(t1(1, 1), "") << "the first rotation's counts are gone";
    EXPECT_EQ(form.Label11.caption, "2");
    EXPECT_EQ(form.Label13.caption, "2");
    EXPECT_EQ(form.Label14.caption, "5");
}

TEST_F(RunControl, ARotationAfterThrowsInAnotherModeCountsOnFromThem) {
    throwOneByOne({1, 2, 3, 4, 5});
    want("100");
    form.Option1.select(3);
    numbers({6, 6});
    click();
    EXPECT_EQ(form.Label13.caption, "7") << "rotwurfnr counted throws in every mode";
    EXPECT_EQ(s.wurfnr, 5 + 37) << "the rotation ends when rotwurf reaches 37, not rotwurfnr";
}

// Rotation/37 is taken only with 37 throws left; else Einzelschritt.
TEST_F(RunControl, SelectingRotationNeedsThirtySevenThrowsLeft) {
    form.Option1.select(3);
    EXPECT_EQ(form.Option1.selected(), 0) << "nothing typed";
    for (const auto& [wanted, mode] : {std::pair{"36", 0}, {"37", 3}, {"36.5", 0}}) {
        want(wanted);
        form.Option1.select(3);
        EXPECT_EQ(form.Option1.selected(), mode) << wanted;
    }
    form.Option1.select(0);
    throwOneByOne({1, 1, 1});
    want("40");
    form.Option1.select(3);
    EXPECT_EQ(form.Option1.selected(), 3) << "40 wanted, 3 done";
    form.Option1.select(0);
    throwOneByOne({1});
    form.Option1.select(3);
    EXPECT_EQ(form.Option1.selected(), 0) << "40 wanted, 4 done";
    EXPECT_FALSE(form.haltbei.enabled);
}

TEST_F(RunControl, LeavingHaltEmptiesTheBoxButKeepsTheHaltThrow) {
    form.Option1.select(2);
    EXPECT_TRUE(form.haltbei.enabled);
    EXPECT_EQ(form.haltbei.background, rgb(255, 255, 255));
    form.haltbei.setText("15");
    int changes = 0;
    const auto handling = form.haltbei.onChange;
    form.haltbei.onChange = [&] {
        ++changes;
        handling();
    };
    form.Option1.select(1);
    EXPECT_EQ(form.haltbei.text(), "");
    EXPECT_EQ(form.haltbei.background, kGrey);
    EXPECT_FALSE(form.haltbei.enabled);
    EXPECT_EQ(s.haltwurf, 15);
    EXPECT_EQ(changes, 1);
}

// What a text box keeps of what was typed, and the value it leaves: 7 and 9 are
// the values before, kept when the text is refused.
struct Typed {
    const char* typed;
    const char* shown;
    double value;
};

TEST_F(RunControl, ThrowsWantedKeepOnlyAPositiveLeadingNumber) {
    for (const Typed& c : {Typed{"0", "", 7}, Typed{"abc", "", 7}, Typed{"-", "", 7},
                           Typed{"-5", "", 7}, Typed{"12abc", "12abc", 12}, Typed{" 40", " 40", 40},
                           Typed{"2,5", "2,5", 2}, Typed{"1e3", "1e3", 1000}}) {
        want("7");
        want(c.typed);
        EXPECT_EQ(form.textanzahl.text(), c.shown) << c.typed;
        EXPECT_EQ(s.sollwuerfe, c.value) << c.typed;
        EXPECT_EQ(form.okstart.enabled, *c.shown != 0) << c.typed;
    }
}

// The fake locale is German: "," decimal separator, "." digit grouping.
TEST_F(RunControl, HaltThrowTakesTheLocaleNumberOfAPositiveText) {
    form.Option1.select(2);
    for (const Typed& c :
         {Typed{"20", "20", 20}, Typed{"0", "", 9}, Typed{"abc", "", 9}, Typed{"-3", "", 9},
          Typed{"2,5", "2,5", 2.5}, Typed{"1.000", "1.000", 1000}, Typed{"12abc", "12abc", 12}}) {
        form.haltbei.setText("9");
        form.haltbei.setText(c.typed);
        EXPECT_EQ(form.haltbei.text(), c.shown) << c.typed;
        EXPECT_EQ(s.haltwurf, c.value) << c.typed;
    }
}

TEST_F(RunControl, ImportReadsTheEntriesThenZerosAndEndsWhereTheRecordEnds) {
    s.permanenz.assign(24, std::nullopt);  // three spins at 1 to 3, twenty empty entries
    s.permanenz[1] = 5;
    s.permanenz[2] = 17;
    s.permanenz[3] = 17;
    s.importmodus = 1;
    const std::string header = "Spielbank Test\rTisch 1\rJuni";
    form.text.caption = header;
    run("3", 1);
    EXPECT_EQ(t1(5, 1), "1");
    EXPECT_EQ(t1(17, 1), "2");
    EXPECT_EQ(t1(17, 2), "1");
    EXPECT_EQ(form.text.caption, header + kEnd);

    run("30", 1);
    EXPECT_EQ(s.wurfnr, 23) << "entries 1 to N + 20 exist";
    EXPECT_EQ(t1(0, 1), "20") << "the throws behind the spins are number 0";
    EXPECT_EQ(form.text.caption, header + kEnd + kEnd) << "one end line per run";
    EXPECT_FALSE(form.okstart.enabled);
    want("40");
    click();
    EXPECT_EQ(s.wurfnr, 23);
    EXPECT_EQ(form.text.caption, header + kEnd + kEnd + kEnd);
    EXPECT_EQ(fake.clock.readings, 2u) << "the generator is left alone";
}

TEST(WheelNumber, RoundsHalfToEvenAndRefusesWhatIsNoNumberOfTheWheel) {
    for (const auto& [entry, zahl] : {std::pair{2.5, 2},
                                      {3.5, 4},
                                      {8.5, 8},
                                      {0.5, 0},
                                      {-0.5, 0},
                                      {-0.4, 0},
                                      {36.4, 36},
                                      {36.5, 36}}) {
        EXPECT_EQ(wheelNumber(entry), zahl) << entry;
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (double entry : {36.6, -0.6, 37.0, -1.0, 32767.0, 40000.0, -1e12, 1e300, inf, -inf,
                         std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(wheelNumber(entry), std::nullopt) << entry;
    }
}

// Empty is a NaN of its own: every double a file can give, and any NaN, is kept.
TEST(PermanenzEntry, HoldsEveryDoubleInEightBytesAndTellsEmptyApart) {
    EXPECT_FALSE(PermanenzEntry().has_value());
    EXPECT_EQ(PermanenzEntry(std::nullopt).value_or(0), 0);
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {0.0, -0.0, 17.0, 3.5, -1e300, inf, -inf}) {
        const PermanenzEntry entry = value;
        ASSERT_TRUE(entry.has_value()) << value;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*entry), std::bit_cast<std::uint64_t>(value));
    }
    for (double nan : {std::numeric_limits<double>::quiet_NaN(), -std::nan(""), inf - inf,
                       std::bit_cast<double>(0xFFF8'0000'E3B7'0000ull)}) {
        const PermanenzEntry entry = nan;
        EXPECT_TRUE(entry.has_value());
        EXPECT_TRUE(std::isnan(*entry));
    }
}

// An entry that names no number still takes its throw: counted, shown as no
// number, and breaking a run of equal numbers.
TEST_F(RunControl, AnUnreadableEntryIsAThrowWithoutANumber) {
    s.permanenz.assign(26, std::nullopt);
    s.permanenz[1] = 5;
    s.permanenz[2] = 5;
    s.permanenz[3] = 99;
    s.permanenz[4] = 5;
    s.permanenz[5] = 40;
    s.importmodus = 1;
    run("5", 1);
    EXPECT_EQ(form.lakut.caption, "5");
    EXPECT_EQ(form.lzahl.caption, "");
    EXPECT_EQ(columnSum(1), 3);
    EXPECT_EQ(t1(5, 2), "1");
    EXPECT_EQ(t1(5, 3), "");
    EXPECT_EQ(s.zahl, 5);
    EXPECT_EQ(s.vorzahl, 200);
}

TEST_F(RunControl, TheThrowWithinARotationStopsAtTheLargestSixteenBitValue) {
    s.rotwurfnr = 32765;
    numbers({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});  // no double before the rotation
    run("10", 1);
    EXPECT_EQ(s.rotwurfnr, 32767);
    numbers({9, 9});
    want("100");
    form.Option1.select(3);
    click();
    EXPECT_EQ(form.Label13.caption, "32767");
}

TEST_F(RunControl, TheThrowCounterShowsItsTextUpToWhereItCanGrowNoFurther) {
    for (const double start : {0.0, 98.0, 999999999999997.0, 9007199254740980.0}) {
        s.wurfnr = start;
        want("1e20");
        form.Option1.select(0);
        for (int i = 1; i <= 5; ++i) {
            click();
            ASSERT_EQ(s.wurfnr, start + i);
            EXPECT_EQ(form.lakut.caption, writeNumber(s.wurfnr));
        }
    }
    const double limit = std::ldexp(1.0, 53);
    s.wurfnr = limit - 2;
    run("1e20", 1);
    EXPECT_EQ(s.wurfnr, limit);
    EXPECT_EQ(form.lakut.caption, "9007199254740992");
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
}

}  // namespace
}  // namespace lurnatik
