// The text helpers the line protocol is parsed with, and random numbers.
#include <gtest/gtest.h>

#include <set>

#include "framework/Random.h"
#include "framework/Text.h"

namespace {

using namespace fw;

const std::string kSep = Chr(187);
const std::string kCR = Chr(13);

TEST(FrameworkText, ChrIsOneByte) {
  EXPECT_EQ(Len(kSep), 1);
  EXPECT_EQ(static_cast<unsigned char>(kSep[0]), 187u);
  EXPECT_EQ(kCR, "\r");
  EXPECT_EQ(EndOfLine::Macintosh, kCR);
  EXPECT_EQ(Len(Chr(0)), 1);
}

TEST(FrameworkText, InStrIsOneBasedAndZeroWhenAbsent) {
  EXPECT_EQ(InStr("abc", "a"), 1);
  EXPECT_EQ(InStr("abc", "c"), 3);
  EXPECT_EQ(InStr("abc", "bc"), 2);
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr("", "a"), 0);
  EXPECT_EQ(InStr("ab" + kCR + "cd" + kCR, kCR), 3);
  EXPECT_EQ(InStr(4, "ab" + kCR + "cd" + kCR, kCR), 6);
  EXPECT_EQ(InStr(7, "ab" + kCR + "cd" + kCR, kCR), 0);
  EXPECT_EQ(InStr(99, "abc", "a"), 0);
}

TEST(FrameworkText, ValReadsTheLeadingNumberOnly) {
  EXPECT_EQ(Val("12" + kSep), 12.0);
  EXPECT_EQ(Val("4" + kSep + "9"), 4.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val(kSep), 0.0);
  EXPECT_EQ(Val(" 7x"), 7.0);
  EXPECT_EQ(Val("-3"), -3.0);
  EXPECT_EQ(Val("2.5e"), 2.5);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("13" + kCR), 13.0);
}

TEST(FrameworkText, StrOfWholeNumbersHasNoFraction) {
  EXPECT_EQ(Str(4), "4");
  EXPECT_EQ(Str(0), "0");
  EXPECT_EQ(Str(-3), "-3");
  EXPECT_EQ(Str(2300), "2300");
  EXPECT_EQ(Str(105), "105");
  EXPECT_EQ(Val(Str(14)), 14.0);
}

TEST(FrameworkText, LeftRightLenEdges) {
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 9), "abc");
  EXPECT_EQ(Right("abc", 0), "");
  EXPECT_EQ(Right("abc", 1), "c");
  EXPECT_EQ(Right("abc", 3), "abc");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(Right("", 2), "");
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("PickHole" + kSep + "10" + kSep + kCR), 13);
}

// One line taken apart the way the protocol does it.
TEST(FrameworkText, ProtocolLineSplitsOnCountedBytes) {
  std::string buffer = "PickHole" + kSep + "10" + kSep + kCR + "Switch";
  const int p = InStr(buffer, kCR);
  ASSERT_EQ(p, 13);
  const std::string line = Left(buffer, p - 1);
  buffer = Right(buffer, Len(buffer) - p);
  EXPECT_EQ(buffer, "Switch");
  const int q = InStr(line, kSep);
  EXPECT_EQ(Left(line, q - 1), "PickHole");
  EXPECT_EQ(static_cast<int>(Val(Right(line, Len(line) - q))), 10);
}

TEST(FrameworkRandom, InRangeIncludesBothBounds) {
  Random random(7);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    const int n = random.InRange(1, 4);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 4);
    seen.insert(n);
  }
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(random.InRange(5, 5), 5);
}

}  // namespace
