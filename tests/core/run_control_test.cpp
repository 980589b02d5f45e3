#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/number_text.h"
#include "run_fixture.h"

namespace lurnatik {
namespace {

using testing::kEnd;
using testing::kRandomText;
using testing::RunTest;

constexpr Colour kGreen = rgb(128, 255, 128);
constexpr Colour kGrey = rgb(224, 224, 224);
constexpr Colour kWhite = rgb(255, 255, 255);

class RunControl : public RunTest {};

TEST_F(RunControl, SingleStepMakesOneThrowPerClickAndEndsOnTheNextClick) {
    want("10");
    ASSERT_TRUE(form.okstart.enabled);
    for (int i = 1; i <= 10; ++i) {
        click();
        EXPECT_EQ(s.wurfnr, i);
        EXPECT_EQ(form.lakut.caption, std::to_string(i));
        EXPECT_EQ(form.okstart.caption, "Weiter");
        EXPECT_TRUE(form.okstart.enabled);
        EXPECT_EQ(form.text.caption, kRandomText);
    }
    EXPECT_TRUE(form.okdruck.enabled);
    EXPECT_TRUE(form.okabbrechen.enabled);
    EXPECT_FALSE(form.okextern.enabled);

    click();
    EXPECT_EQ(s.wurfnr, 10) << "the eleventh click makes no throw";
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
    EXPECT_EQ(form.okstart.caption, "Start");
    EXPECT_FALSE(form.okstart.enabled);
    EXPECT_TRUE(form.okdruck.enabled);
    EXPECT_TRUE(form.okabbrechen.enabled);
    EXPECT_EQ(form.Option1.selected(), 0);
}

TEST_F(RunControl, RunThroughMakesAllThrowsAndEndsInTheSameClick) {
    want("100");
    form.Option1.select(1);
    click();
    EXPECT_EQ(s.wurfnr, 100);
    EXPECT_EQ(form.lakut.caption, "100");
    EXPECT_EQ(columnSum(1), 100);
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
    EXPECT_FALSE(form.okstart.enabled);
    EXPECT_EQ(form.okstart.caption, "Start");
    EXPECT_EQ(form.Option1.selected(), 1);
}

TEST_F(RunControl, AFractionalWantTakesEffectAtTheNextWholeThrow) {
    want("12.5");
    EXPECT_EQ(s.sollwuerfe, 12.5);
    form.Option1.select(1);
    click();
    EXPECT_EQ(s.wurfnr, 13);
}

TEST_F(RunControl, AWantNotAboveTheThrowsDoneEndsAtOnce) {
    throwOneByOne({1, 2, 3, 4});
    want("3");
    EXPECT_TRUE(form.okstart.enabled);
    click();
    EXPECT_EQ(s.wurfnr, 4);
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
    EXPECT_FALSE(form.okstart.enabled);
}

TEST_F(RunControl, AfterTheEndANewWantGoesOnFromTheThrowsDone) {
    want("5");
    form.Option1.select(1);
    click();
    want("8");
    EXPECT_TRUE(form.okstart.enabled);
    EXPECT_EQ(form.okstart.caption, "Start");
    click();
    EXPECT_EQ(s.wurfnr, 8);
    EXPECT_EQ(columnSum(1), 8) << "nothing was reset";
    EXPECT_EQ(form.text.caption, kRandomText + kEnd) << "random mode shows one end line at most";
}

TEST_F(RunControl, HaltAtThrowTwentyThenSingleStep) {
    want("100");
    form.Option1.select(2);
    EXPECT_TRUE(form.haltbei.enabled);
    EXPECT_EQ(form.haltbei.background, kWhite);
    form.haltbei.setText("20");
    EXPECT_EQ(s.haltwurf, 20);
    click();
    EXPECT_EQ(s.wurfnr, 20);
    EXPECT_EQ(form.Option1.selected(), 0);
    EXPECT_EQ(form.haltbei.background, kGrey);
    EXPECT_EQ(form.haltbei.text(), "");
    EXPECT_FALSE(form.haltbei.enabled);
    EXPECT_EQ(s.haltwurf, 20);
    EXPECT_EQ(form.okstart.caption, "Weiter");
    EXPECT_TRUE(form.okstart.enabled);
    click();
    EXPECT_EQ(s.wurfnr, 21);
}

TEST_F(RunControl, HaltBelowTheThrowsDoneMakesExactlyOneThrow) {
    throwOneByOne({1, 2, 3, 4, 5});
    want("100");
    form.Option1.select(2);
    form.haltbei.setText("3");
    click();
    EXPECT_EQ(s.wurfnr, 6);
    EXPECT_EQ(form.Option1.selected(), 0);
}

TEST_F(RunControl, HaltWithNothingTypedMakesExactlyOneThrow) {
    want("100");
    form.Option1.select(2);
    ASSERT_EQ(s.haltwurf, 0);
    click();
    EXPECT_EQ(s.wurfnr, 1);
    EXPECT_EQ(form.Option1.selected(), 0);
}

TEST_F(RunControl, HaltAboveTheThrowsWantedRunsToTheEnd) {
    want("30");
    form.Option1.select(2);
    form.haltbei.setText("50");
    click();
    EXPECT_EQ(s.wurfnr, 30);
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
    EXPECT_EQ(form.Option1.selected(), 2) << "the end of a run changes no mode";
    EXPECT_EQ(form.haltbei.text(), "50");
}

TEST_F(RunControl, RotationsOfThirtySevenWithAHundredWanted) {
    want("100");
    form.Option1.select(3);
    ASSERT_EQ(form.Option1.selected(), 3);

    click();
    EXPECT_EQ(s.wurfnr, 37);
    EXPECT_EQ(form.Lrotat.caption, "1");
    EXPECT_EQ(form.Lrotat.background, kGreen);
    EXPECT_EQ(form.Option1.selected(), 3);
    EXPECT_EQ(s.rotwurf, 0);
    EXPECT_EQ(s.rotwurfnr, 0);
    EXPECT_EQ(columnSum(1), 37);

    click();
    EXPECT_EQ(s.wurfnr, 74);
    EXPECT_EQ(columnSum(1), 37) << "the second rotation counts its own throws only";
    EXPECT_EQ(form.Lrotat.caption, "2");
    EXPECT_EQ(form.Option1.selected(), 0) << "100 - 74 < 37";
    EXPECT_EQ(form.Lrotat.background, kGrey);
    EXPECT_EQ(form.lakut.caption, "74");

    for (int i = 75; i <= 100; ++i) {
        click();
        EXPECT_EQ(s.wurfnr, i);
    }
    EXPECT_EQ(form.text.caption, kRandomText);
    click();
    EXPECT_EQ(s.wurfnr, 100);
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
    EXPECT_EQ(form.Lrotat.caption, "2");
    EXPECT_EQ(columnSum(1), 63) << "single steps count on after the last rotation";
}

TEST_F(RunControl, RotationEndingOnTheLastThrowWantedIsNotCounted) {
    want("74");
    form.Option1.select(3);
    click();
    EXPECT_EQ(s.wurfnr, 37);
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
    EXPECT_EQ(form.Label13.caption, "2");
    ASSERT_EQ(s.flagdoppel, 0) << "the end of the rotation sets the flags back";

    std::deque<int> second = {4, 4, 3, 3, 3, 7};
    while (second.size() < 37) {
        second.push_back(20 + static_cast<int>(second.size() % 2));
    }
    numbers(second);
    click();
    EXPECT_EQ(t2(7), "6") << "throw 43 is throw 6 of the second rotation";
    EXPECT_EQ(t2(9), " ");
    EXPECT_EQ(t2(1), "");
    EXPECT_EQ(t1(1, 1), "") << "the first rotation's counts are gone";
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

struct RotationChoice {
    const char* wanted;  // nullptr: nothing typed
    int done;
    int mode;
};

class SelectingRotation : public RunTest, public ::testing::WithParamInterface<RotationChoice> {};

TEST_P(SelectingRotation, NeedsThirtySevenThrowsLeft) {
    const RotationChoice& c = GetParam();
    if (c.done > 0) {
        throwOneByOne(std::deque<int>(static_cast<std::size_t>(c.done), 1));
    }
    if (c.wanted != nullptr) {
        want(c.wanted);
    }
    form.Option1.select(3);
    EXPECT_EQ(form.Option1.selected(), c.mode);
    EXPECT_FALSE(form.haltbei.enabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectingRotation,
                         ::testing::Values(RotationChoice{nullptr, 0, 0},
                                           RotationChoice{"36", 0, 0}, RotationChoice{"37", 0, 3},
                                           RotationChoice{"40", 4, 0}, RotationChoice{"40", 3, 3},
                                           RotationChoice{"36.5", 0, 0}));

TEST_F(RunControl, LeavingHaltEmptiesTheBoxButKeepsTheHaltThrow) {
    form.Option1.select(2);
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

struct WantedCase {
    const char* typed;
    const char* shown;  // the text left in textanzahl
    double sollwuerfe;  // 7: the value before, kept
    bool enabled;
};

class ThrowsWanted : public RunTest, public ::testing::WithParamInterface<WantedCase> {};

TEST_P(ThrowsWanted, KeepsOnlyAPositiveLeadingNumber) {
    const WantedCase& c = GetParam();
    want("7");
    want(c.typed);
    EXPECT_EQ(form.textanzahl.text(), c.shown);
    EXPECT_EQ(s.sollwuerfe, c.sollwuerfe);
    EXPECT_EQ(form.okstart.enabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ThrowsWanted,
    ::testing::Values(WantedCase{"0", "", 7, false}, WantedCase{"abc", "", 7, false},
                      WantedCase{"-", "", 7, false}, WantedCase{"-5", "", 7, false},
                      WantedCase{"12abc", "12abc", 12, true}, WantedCase{" 40", " 40", 40, true},
                      WantedCase{"2,5", "2,5", 2, true}, WantedCase{"1e3", "1e3", 1000, true}));

struct HaltCase {
    const char* typed;
    const char* shown;
    double haltwurf;  // 9: the value before, kept
};

class HaltThrow : public RunTest, public ::testing::WithParamInterface<HaltCase> {};

TEST_P(HaltThrow, TakesTheLocaleNumberOfAPositiveText) {
    const HaltCase& c = GetParam();
    form.Option1.select(2);
    form.haltbei.setText("9");
    form.haltbei.setText(c.typed);
    EXPECT_EQ(form.haltbei.text(), c.shown);
    EXPECT_EQ(s.haltwurf, c.haltwurf);
}

// The fake locale is German: "," decimal separator, "." digit grouping.
INSTANTIATE_TEST_SUITE_P(Texts, HaltThrow,
                         ::testing::Values(HaltCase{"20", "20", 20}, HaltCase{"0", "", 9},
                                           HaltCase{"abc", "", 9}, HaltCase{"-3", "", 9},
                                           HaltCase{"2,5", "2,5", 2.5},
                                           HaltCase{"1.000", "1.000", 1000},
                                           HaltCase{"12abc", "12abc", 12}));

TEST_F(RunControl, ImportReadsTheEntriesInOrderThenZeros) {
    s.permanenz.assign(24, std::nullopt);  // three spins at 1 to 3, twenty empty entries
    s.permanenz[1] = 5;
    s.permanenz[2] = 17;
    s.permanenz[3] = 17;
    s.importmodus = 1;
    const std::string header = "Spielbank Test\rTisch 1\rJuni";
    form.text.caption = header;
    want("3");
    form.Option1.select(1);
    click();
    EXPECT_EQ(t1(5, 1), "1");
    EXPECT_EQ(t1(17, 1), "2");
    EXPECT_EQ(t1(17, 2), "1");
    EXPECT_EQ(form.text.caption, header + kEnd);

    want("8");
    click();
    EXPECT_EQ(s.wurfnr, 8);
    EXPECT_EQ(t1(0, 1), "5") << "the throws behind the spins are number 0";
    EXPECT_EQ(form.text.caption, header + kEnd + kEnd) << "one end line per run";
    EXPECT_EQ(fake.clock.readings, 2u) << "the generator is left alone";
}

TEST_F(RunControl, ImportEndsTheRunWhereTheRecordEnds) {
    s.permanenz.assign(24, std::nullopt);
    s.permanenz[1] = 1;
    s.importmodus = 1;
    form.text.caption = "Spielbank";
    want("30");
    form.Option1.select(1);
    click();
    EXPECT_EQ(s.wurfnr, 23) << "entries 1 to N + 20 exist";
    EXPECT_EQ(form.text.caption, "Spielbank" + kEnd);
    EXPECT_FALSE(form.okstart.enabled);
    want("40");
    click();
    EXPECT_EQ(s.wurfnr, 23);
    EXPECT_EQ(form.text.caption, "Spielbank" + kEnd + kEnd);
}

struct EntryCase {
    double entry;
    int zahl;  // -1: no number of the wheel
};

class ImportedEntry : public RunTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(ImportedEntry, RoundsHalfToEvenAndSkipsWhatIsNoNumber) {
    const EntryCase& c = GetParam();
    s.permanenz.assign(23, std::nullopt);
    s.permanenz[1] = 8;
    s.permanenz[2] = c.entry;
    s.importmodus = 1;
    want("2");
    form.Option1.select(1);
    click();
    EXPECT_EQ(s.wurfnr, 2);
    EXPECT_EQ(form.lakut.caption, "2");
    if (c.zahl >= 0) {
        EXPECT_EQ(form.lzahl.caption, std::to_string(c.zahl));
        EXPECT_EQ(readNumber(t1(c.zahl, 1)), c.zahl == 8 ? 2 : 1);
        EXPECT_EQ(columnSum(1), 2);
    } else {
        EXPECT_EQ(form.lzahl.caption, "");
        EXPECT_EQ(columnSum(1), 1) << "only the good entry is counted in the table";
        EXPECT_EQ(s.zahl, 8);
        EXPECT_EQ(s.vorzahl, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ImportedEntry,
    ::testing::Values(EntryCase{2.5, 2}, EntryCase{3.5, 4}, EntryCase{8.5, 8}, EntryCase{0.5, 0},
                      EntryCase{-0.5, 0}, EntryCase{-0.4, 0}, EntryCase{36.4, 36},
                      EntryCase{36.5, 36}, EntryCase{36.6, -1}, EntryCase{-0.6, -1},
                      EntryCase{37, -1}, EntryCase{-1, -1}, EntryCase{32767, -1},
                      EntryCase{40000, -1}, EntryCase{-1e12, -1}, EntryCase{1e300, -1},
                      EntryCase{std::numeric_limits<double>::infinity(), -1},
                      EntryCase{std::numeric_limits<double>::quiet_NaN(), -1}));

TEST_F(RunControl, AnUnreadableEntryBreaksARunOfEqualNumbers) {
    s.permanenz.assign(25, std::nullopt);
    s.permanenz[1] = 5;
    s.permanenz[2] = 5;
    s.permanenz[3] = 99;
    s.permanenz[4] = 5;
    s.importmodus = 1;
    want("4");
    form.Option1.select(1);
    click();
    EXPECT_EQ(t1(5, 1), "3");
    EXPECT_EQ(t1(5, 2), "1");
    EXPECT_EQ(t1(5, 3), "");
    EXPECT_EQ(form.lzahl.caption, "5");
}

TEST_F(RunControl, AnInjectedNumberOutsideTheWheelIsSkippedToo) {
    want("3");
    form.Option1.select(1);
    numbers({36, 37, -1});
    click();
    EXPECT_EQ(s.wurfnr, 3);
    EXPECT_EQ(columnSum(1), 1);
}

TEST_F(RunControl, TheThrowWithinARotationStopsAtTheLargestSixteenBitValue) {
    s.rotwurfnr = 32765;
    want("10");
    form.Option1.select(1);
    numbers({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});  // no double before the rotation
    click();
    EXPECT_EQ(s.rotwurfnr, 32767);

    want("100");
    form.Option1.select(3);
    numbers({9, 9});
    click();
    EXPECT_EQ(form.Label13.caption, "32767");
}

TEST_F(RunControl, TheThrowCounterShowsTheThrowAsItsTextAtEveryThrow) {
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
}

TEST_F(RunControl, ARunEndsWhereTheThrowCountCanGrowNoFurther) {
    const double limit = std::ldexp(1.0, 53);
    s.wurfnr = limit - 2;
    want("1e20");
    form.Option1.select(1);
    click();
    EXPECT_EQ(s.wurfnr, limit);
    EXPECT_EQ(form.lakut.caption, "9007199254740992");
    EXPECT_EQ(form.text.caption, kRandomText + kEnd);
}

}  // namespace
}  // namespace lurnatik
