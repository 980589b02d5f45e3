#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/program_test.h"

namespace lurnatik {
namespace {

using Auswertung = testing::ProgramTest;

// Throws one by one, and what the window shows of the last number n after them.
struct Sequence {
    const char* name;
    std::deque<int> throws;
    int n;
    const char* counts;  // row n of tabelle1: count|doubles|triples
    const char* labels;  // Label11|Label13|Label14
    int row, col;        // the current cell of tabelle1
    int doppelzahl, doppelstatus;
};
const Sequence kSequences[] = {
    // A fourth equal throw makes a further triple and leaves a pair pending.
    {"FourEqual", {5, 5, 5, 5}, 5, "4|3|2", "2|2|3", 5, 2, 5, 1},
    {"RepeatNoDouble", {7, 3, 7}, 7, "2||", "3||", 7, 1, 200, 0},
    {"PairThenOther", {4, 4, 9}, 4, "2|1|", "2|2|", 9, 1, 4, 200},
    {"FirstThrow", {0}, 0, "1||", "||", 0, 1, 200, 0},
    // A later double leaves Label13 at the first one.
    {"LaterDouble", {3, 3, 8, 8}, 8, "2|1|", "2|2|", 8, 2, 8, 1}};

class Sequences : public testing::ProgramTest, public ::testing::WithParamInterface<Sequence> {};

TEST_P(Sequences, CountRepeatsDoublesAndTriples) {
    const Sequence& c = GetParam();
    throwOneByOne(c.throws);
    EXPECT_EQ(t1(c.n, 1) + "|" + t1(c.n, 2) + "|" + t1(c.n, 3), c.counts);
    EXPECT_EQ(form.Label11.caption + "|" + form.Label13.caption + "|" + form.Label14.caption,
              c.labels);
    EXPECT_EQ(form.tabelle1.row(), c.row);
    EXPECT_EQ(form.tabelle1.col(), c.col);
    EXPECT_EQ(form.tabelle2.row(), c.throws.back());
    EXPECT_EQ(s.vorzahl, c.throws.back());
    EXPECT_EQ(s.doppelzahl, c.doppelzahl);
    EXPECT_EQ(s.doppelstatus, c.doppelstatus);
}

INSTANTIATE_TEST_SUITE_P(Throws, Sequences, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Auswertung, ReadsEveryCountBackFromItsText) {
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
class EvenMoneyChances : public testing::ProgramTest, public ::testing::WithParamInterface<int> {};

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

TEST_F(Auswertung, RepaintsTheThrowCounterAfterEveryThrow) {
    std::vector<std::string> painted;
    form.lakut.repaintRequest = [&](const Label& l) { painted.push_back(l.caption); };
    numbers({4, 4, 4});
    run("3", 1);
    EXPECT_EQ(painted, (std::vector<std::string>{"1", "2", "3"}));
}

}  // namespace
}  // namespace lurnatik
