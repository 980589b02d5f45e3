#include <gtest/gtest.h>

#include <set>
#include <string>

#include "run_fixture.h"

namespace lurnatik {
namespace {

using testing::RunTest;

class Auswertung : public RunTest {};

TEST_F(Auswertung, FourEqualThrowsCountThreeDoublesAndTwoTriples) {
    throwOneByOne({5, 5, 5, 5});
    EXPECT_EQ(t1(5, 1), "4");
    EXPECT_EQ(t1(5, 2), "3");
    EXPECT_EQ(t1(5, 3), "2");
    EXPECT_EQ(form.Label11.caption, "2");
    EXPECT_EQ(form.Label13.caption, "2");
    EXPECT_EQ(form.Label14.caption, "3");
    EXPECT_EQ(s.doppelstatus, 1) << "a fourth equal throw leaves a pair pending";
    EXPECT_EQ(form.tabelle1.row(), 5);
    EXPECT_EQ(form.tabelle1.col(), 2) << "a double leaves the current cell in column 2";
    EXPECT_EQ(form.tabelle2.row(), 5);
}

TEST_F(Auswertung, ARepeatThatIsNoDoubleShowsOnlyTheFirstRepeat) {
    throwOneByOne({7, 3, 7});
    EXPECT_EQ(form.Label11.caption, "3");
    EXPECT_EQ(form.Label13.caption, "");
    EXPECT_EQ(form.Label14.caption, "");
    EXPECT_EQ(t1(7, 1), "2");
    EXPECT_EQ(t1(7, 2), "");
    EXPECT_EQ(form.tabelle1.col(), 1);
}

TEST_F(Auswertung, APairFollowedByAnotherNumberIsNoTriple) {
    throwOneByOne({4, 4, 9});
    EXPECT_EQ(t1(4, 2), "1");
    EXPECT_EQ(t1(4, 3), "");
    EXPECT_EQ(form.Label14.caption, "");
    EXPECT_EQ(s.doppelstatus, 200);
    EXPECT_EQ(s.vorzahl, 9);
    EXPECT_EQ(s.doppelzahl, 4);
    EXPECT_EQ(form.tabelle1.row(), 9);
    EXPECT_EQ(form.tabelle1.col(), 1);
}

TEST_F(Auswertung, TheFirstThrowNeverMakesADouble) {
    throwOneByOne({0});
    EXPECT_EQ(t1(0, 1), "1");
    EXPECT_EQ(t1(0, 2), "");
    EXPECT_EQ(form.Label13.caption, "");
}

TEST_F(Auswertung, ALaterDoubleLeavesTheFirstDoubleLabelButCountsItsNumber) {
    throwOneByOne({3, 3, 8, 8});
    EXPECT_EQ(form.Label13.caption, "2");
    EXPECT_EQ(t1(8, 2), "1");
    EXPECT_EQ(t1(3, 2), "1");
}

TEST_F(Auswertung, ShowsTheThrowWithinTheRotationInRotationMode) {
    want("100");
    form.Option1.select(3);
    std::deque<int> first;
    for (int n = 0; n <= 36; ++n) {
        first.push_back(n);  // 37 different numbers: no repeat in the first rotation
    }
    numbers(first);
    click();
    ASSERT_EQ(s.wurfnr, 37);
    EXPECT_EQ(form.Label11.caption, "");

    numbers({1, 2, 1});
    click();
    EXPECT_EQ(s.wurfnr, 74);
    EXPECT_EQ(form.Label11.caption, "3") << "the repeat at throw 40 is throw 3 of the rotation";
}

TEST_F(Auswertung, ReadsEveryCountBackFromItsText) {
    form.lrot.caption = "41";
    form.lgerade.caption = "x";
    form.tabelle1.setRow(12);
    form.tabelle1.setCol(1);
    form.tabelle1.setText("9abc");
    throwOneByOne({12});
    EXPECT_EQ(form.lrot.caption, "42");
    EXPECT_EQ(form.lgerade.caption, "1") << "a text without a number reads as 0";
    EXPECT_EQ(t1(12, 1), "10");
    EXPECT_EQ(form.Label11.caption, "") << "the count went from 9 to 10, not to 2";
}

TEST_F(Auswertung, ACountCarriesOnThroughItsExponentForm) {
    form.tabelle1.setRow(5);
    form.tabelle1.setCol(1);
    form.tabelle1.setText("999999999999999");
    throwOneByOne({5, 6, 5});
    EXPECT_EQ(t1(5, 1), "1000000000000001");
}

// The even-money chances of every number, against the wheel's own layout.
struct Chances {
    bool red, black, low, high, even, odd;
};

Chances chancesOf(int n) {
    static const std::set<int> red = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                      19, 21, 23, 25, 27, 30, 32, 34, 36};
    if (n == 0) {
        return {};
    }
    return {red.count(n) == 1, red.count(n) == 0, n <= 18, n >= 19, n % 2 == 0, n % 2 == 1};
}

class EvenMoneyChances : public RunTest, public ::testing::WithParamInterface<int> {};

TEST_P(EvenMoneyChances, CountsTheChancesOfTheNumberOnly) {
    const int n = GetParam();
    throwOneByOne({n});
    const Chances c = chancesOf(n);
    const auto shown = [](bool counted) { return std::string(counted ? "1" : ""); };
    EXPECT_EQ(form.lzahl.caption, std::to_string(n));
    EXPECT_EQ(t1(n, 1), "1");
    EXPECT_EQ(form.lrot.caption, shown(c.red));
    EXPECT_EQ(form.lschwarz.caption, shown(c.black));
    EXPECT_EQ(form.lklein.caption, shown(c.low));
    EXPECT_EQ(form.lgross.caption, shown(c.high));
    EXPECT_EQ(form.lgerade.caption, shown(c.even));
    EXPECT_EQ(form.lungerade.caption, shown(c.odd));
}

INSTANTIATE_TEST_SUITE_P(EveryNumber, EvenMoneyChances, ::testing::Range(0, 37));

TEST_F(Auswertung, TheSpotChecksOfTheChances) {
    throwOneByOne({18, 19, 10});
    EXPECT_EQ(form.lrot.caption, "2");       // 18, 19
    EXPECT_EQ(form.lschwarz.caption, "1");   // 10
    EXPECT_EQ(form.lklein.caption, "2");     // 18, 10
    EXPECT_EQ(form.lgross.caption, "1");     // 19
    EXPECT_EQ(form.lgerade.caption, "2");    // 18, 10
    EXPECT_EQ(form.lungerade.caption, "1");  // 19
}

TEST_F(Auswertung, RecordsAMarkedNumberAtItsFirstThrowOnly) {
    clickRow(12);
    ASSERT_EQ(t2(12), " ");
    std::deque<int> before;
    for (int i = 0; i < 16; ++i) {
        before.push_back(i < 12 ? i : i + 1);  // 16 throws, none of them 12
    }
    throwOneByOne(before);
    EXPECT_EQ(t2(12), " ");
    throwOneByOne({12});
    EXPECT_EQ(t2(12), "17");
    throwOneByOne({12, 3});
    EXPECT_EQ(t2(12), "17") << "a later throw keeps the record";
    EXPECT_EQ(t2(3), "") << "an unmarked number shows nothing";
}

TEST_F(Auswertung, RepaintsTheThrowCounterAfterEveryThrow) {
    std::vector<std::string> painted;
    form.lakut.repaintRequest = [&](const Label& l) { painted.push_back(l.caption); };
    want("3");
    form.Option1.select(1);
    numbers({4, 4, 4});
    click();
    EXPECT_EQ(painted, (std::vector<std::string>{"1", "2", "3"}));
}

}  // namespace
}  // namespace lurnatik
