#include "formats/text_rules.h"

#include <gtest/gtest.h>

#include <climits>

#include "formats/rounding.h"

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryLineEndFormGivesTheSameLines) {
  const Lines expected{"eins", "zwei", "", "drei"};
  EXPECT_EQ(SplitLines("eins\r\nzwei\r\n\r\ndrei\r\n"), expected);
  EXPECT_EQ(SplitLines("eins\nzwei\n\ndrei\n"), expected);
  EXPECT_EQ(SplitLines("eins\rzwei\r\rdrei\r"), expected);
  EXPECT_EQ(SplitLines(std::string("eins\0zwei\0\0drei", 15)), expected);
  EXPECT_EQ(SplitLines("eins\nzwei\r\n\rdrei"), expected);  // mixed, no final line end
}

TEST(SplitLines, FinalLineEndGivesNoExtraLine) {
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
}

TEST(SplitLines, KeepsLatin1BytesAndBlanks) {
  EXPECT_EQ(SplitLines("  GR\xDCN \r\n"), Lines{"  GR\xDCN "});
}

TEST(TrimBlanks, RemovesSpacesOnly) {
  EXPECT_EQ(TrimBlanks("  Wei\xDF  "), "Wei\xDF");
  EXPECT_EQ(TrimBlanks("\tx\t"), "\tx\t");
  EXPECT_EQ(TrimBlanks("    "), "");
}

TEST(Integers, StrictFormAcceptsOnlyDigitsAndALeadingMinus) {
  for (const char* good : {"0", "-12", "2147483647", "-2147483648", "007"}) {
    EXPECT_TRUE(IsStrictInt(good)) << good;
  }
  for (const char* bad : {"", "-", "+1", " 1", "1 ", "1.0", "1e3", "2147483648", "12a", "--1"}) {
    EXPECT_FALSE(IsStrictInt(bad)) << bad;
  }
}

TEST(Integers, LenientReadingTakesTheLeadingNumber) {
  EXPECT_EQ(ReadInt("  -42  "), -42);
  EXPECT_EQ(ReadInt("+7"), 7);
  EXPECT_EQ(ReadInt("12abc"), 12);
  EXPECT_EQ(ReadInt("3.9"), 3);
  EXPECT_EQ(ReadInt("abc"), 0);
  EXPECT_EQ(ReadInt(""), 0);
  EXPECT_EQ(ReadInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ReadInt("-99999999999999999999"), INT_MIN);
}

TEST(Integers, FieldReadingReportsBadFormsWithTheirLine) {
  ReadIssues issues;
  EXPECT_EQ(ReadIntField("  12 ", 3, "x", &issues), 12);
  EXPECT_TRUE(issues.empty());
  EXPECT_EQ(ReadIntField("12a", 4, "x", &issues), 12);
  EXPECT_EQ(ReadIntField("", 5, "x", &issues), 0);
  EXPECT_EQ(ReadIntField("", 6, "x", &issues, /*emptyIsBad=*/false), 0);
  ASSERT_EQ(issues.size(), 2u);
  EXPECT_EQ(issues[0].line, 4);
  EXPECT_EQ(issues[1].line, 5);
}

TEST(Decimals, ShortestFormWithAtMostSixDecimals) {
  EXPECT_EQ(FormatDecimal(0), "0");
  EXPECT_EQ(FormatDecimal(1.5), "1.5");
  EXPECT_EQ(FormatDecimal(-0.25), "-0.25");
  EXPECT_EQ(FormatDecimal(3), "3");
  EXPECT_EQ(FormatDecimal(-0.0), "0");
  EXPECT_EQ(FormatDecimal(-0.0000001), "0");
  EXPECT_EQ(FormatDecimal(0.1234567), "0.123457");
  EXPECT_EQ(FormatDecimal(12345.67), "12345.67");
  EXPECT_EQ(FormatDecimal(1.0 / 0.0), "0");
}

TEST(Decimals, ReadingAndStrictForm) {
  EXPECT_DOUBLE_EQ(ReadDecimal(" 1.5 "), 1.5);
  EXPECT_DOUBLE_EQ(ReadDecimal("-.25"), -0.25);
  EXPECT_DOUBLE_EQ(ReadDecimal("2.5x"), 2.5);
  EXPECT_DOUBLE_EQ(ReadDecimal("x"), 0);
  EXPECT_DOUBLE_EQ(ReadDecimal("1" + std::string(400, '0')), 1e9);
  EXPECT_TRUE(IsStrictDecimal("-1.5"));
  EXPECT_TRUE(IsStrictDecimal("3"));
  EXPECT_FALSE(IsStrictDecimal("1,5"));
  EXPECT_FALSE(IsStrictDecimal("."));
  EXPECT_FALSE(IsStrictDecimal("+1"));
  for (double value : {0.0, 1.5, -0.25, 359.999999, 12345.67, -7.0}) {
    EXPECT_EQ(FormatDecimal(ReadDecimal(FormatDecimal(value))), FormatDecimal(value));
  }
}

TEST(Rounding, HalvesGoToEvenAndHugeValuesSaturate) {
  EXPECT_EQ(RoundToInt(1.5), 2);
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(-0.5), 0);
  EXPECT_EQ(RoundToInt(1e300), INT_MAX);
  EXPECT_EQ(RoundToInt(-1e300), INT_MIN);
  EXPECT_EQ(RoundToInt(0.0 / 0.0), 0);
}

TEST(FixedWidth, ColumnsAreOneBasedAndShortLinesGiveWhatIsThere) {
  const std::string line = "abcdefghij";
  EXPECT_EQ(Columns(line, 1, 3), "abc");
  EXPECT_EQ(Columns(line, 9, 20), "ij");
  EXPECT_EQ(Columns(line, 11, 20), "");
  EXPECT_EQ(Columns(line, 5, 4), "");
  EXPECT_EQ(ColumnsFrom(line, 10), "j");
  EXPECT_EQ(Field("  12      x", 1, 10), "12");
}

TEST(FixedWidth, PaddingWritesLongValuesWhole) {
  EXPECT_EQ(PadRight("ab", 5), "ab   ");
  EXPECT_EQ(PadRight("abcde", 5), "abcde");
  EXPECT_EQ(PadRight("abcdef", 5), "abcdef");
  EXPECT_EQ(PadLeft("12", 5), "   12");
  EXPECT_EQ(PadLeft("123456", 5), "123456");
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}
