#include <gtest/gtest.h>

#include "formats/kind_defs.h"
#include "formats/text_collections.h"
#include "tests/formats/test_text.h"

namespace {

const std::string kElements = CrLf({
    "Elementdefinitionen",  // matches no form: skipped
    "+Sonnen",
    "10100010",
    " -Wei\xDF",
    "  255 255 200",
    "/+",
    " -Verirrt",  // outside a group
    "  1   1   1",
    "+Planeten",
    " 11111110 ",
    " -Erde",
    "  0   100 255",
    " -Wei\xDF",  // the same type name in a second group
    "  1   2   3",
    "/+",
});

}  // namespace

TEST(ElementDefs, GroupsTypesMasksAndColours) {
  ReadIssues issues;
  const KindDefs defs = ReadElementDefs(kElements, &issues);
  ASSERT_EQ(defs.groups.size(), 2u);
  EXPECT_EQ(defs.groups[0].name, "Sonnen");
  EXPECT_EQ(defs.groups[1].mask, "11111110");
  ASSERT_EQ(defs.groups[1].types.size(), 2u);
  EXPECT_EQ(defs.groups[1].types[0].name, "Erde");
  EXPECT_EQ(defs.groups[1].types[0].colour, 0 + 256 * 100 + 65536 * 255);
  EXPECT_EQ(issues.size(), 1u);  // the type outside a group
  EXPECT_TRUE(KindTypeListed(defs, "Planeten", "Erde"));
  EXPECT_FALSE(KindTypeListed(defs, "Sonnen", "Erde"));
}

TEST(ElementDefs, ColourLookupUsesTheLastTypePositionOverAllGroups) {
  const KindDefs defs = ReadElementDefs(kElements);
  // "Weiß" is type 1 of "Sonnen" and type 2 of "Planeten": the last match gives position 2.
  EXPECT_EQ(ElementColour(defs, "Planeten", "Wei\xDF"), 1 + 256 * 2 + 65536 * 3);
  // "Sonnen" has no type 2: no colour.
  EXPECT_EQ(ElementColour(defs, "Sonnen", "Wei\xDF"), 0);
  // An unknown group counts as group 0; "Erde" is position 1, which group 0 has.
  EXPECT_EQ(ElementColour(defs, "Unbekannt", "Erde"), 255 + 256 * 255 + 65536 * 200);
  EXPECT_EQ(ElementColour(defs, "Planeten", "Unbekannt"), 0);
  EXPECT_EQ(ElementColour(KindDefs{}, "Planeten", "Erde"), 0);
}

TEST(ElementDefs, LimitsAndBadColoursAreReported) {
  std::vector<std::string> lines;
  for (int g = 0; g < 12; ++g) {
    lines.push_back("+G" + std::to_string(g));
    lines.push_back("00000000");
  }
  lines.push_back(" -Typ");  // belongs to no group: the twelfth was ignored
  lines.push_back("  999 1   x");
  ReadIssues issues;
  const KindDefs defs = ReadElementDefs(CrLf(lines), &issues);
  EXPECT_EQ(defs.groups.size(), 11u);
  EXPECT_EQ(issues.size(), 2u);

  ReadIssues colourIssues;
  const KindDefs bad = ReadElementDefs(CrLf({"+G", "1", " -T", "  999 1   x"}), &colourIssues);
  EXPECT_EQ(bad.groups[0].types[0].colour, 255 + 256);
  EXPECT_EQ(colourIssues.size(), 3u);  // mask, red out of range, blue not a number
}

TEST(PeopleDefs, SameLineFormsWithSevenCharacterMasksAndTextValues) {
  ReadIssues issues;
  const KindDefs defs =
      ReadPeopleDefs(CrLf({"+Auftr\xE4ge", "1111101", " -Kopfgeld", "  frei  ", "/+"}), &issues);
  EXPECT_TRUE(issues.empty());
  ASSERT_EQ(defs.groups.size(), 1u);
  EXPECT_EQ(defs.groups[0].types[0].valueLine, "frei");
  EXPECT_EQ(defs.groups[0].types[0].colour, 0);
  EXPECT_EQ(KindGroupIndex(defs, "Auftr\xE4ge"), 0);
  EXPECT_EQ(KindGroupIndex(defs, "x"), -1);
}

TEST(GroupTexts, HeadingThenNineLinesPerGroupFromGroupOne) {
  std::vector<std::string> lines;
  for (int g = 1; g <= 2; ++g) {
    lines.push_back("[Gruppe " + std::to_string(g) + "]");
    for (int k = 0; k < 9; ++k) lines.push_back(std::to_string(g) + "." + std::to_string(k));
  }
  lines.resize(lines.size() - 3);  // the second group is cut short
  const GroupTexts texts = ReadGroupTexts(CrLf(lines), 2);
  ASSERT_EQ(texts.groupTexts.size(), 3u);
  EXPECT_EQ(texts.groupTexts[1][0], "1.0");
  EXPECT_EQ(texts.groupTexts[2][5], "2.5");
  EXPECT_EQ(texts.groupTexts[2][6], "");
  EXPECT_EQ(texts.headingLines[2], 11);
  EXPECT_EQ(ReadGroupTexts(CrLf(lines), -1).groupTexts.size(), 1u);
}

TEST(BriefingTexts, SectionsJoinLinesWithLfAndAnUnclosedOneRunsToTheEnd) {
  ReadIssues issues;
  const BriefingTexts texts =
      ReadBriefingTexts(CrLf({"drau\xDF"
                              "en",
                              "[1]", "Hallo", "", "[/1]", "[/]", "[x]", "null", "[/x]", "[101]",
                              "weg", "[/101]", "[3]", "offen", "[4]"}),
                        &issues);
  EXPECT_EQ(texts.briefingTexts[1], "Hallo\n\n");
  EXPECT_EQ(texts.briefingTexts[0], "null\n");
  // A "[" line inside a text belongs to the text.
  EXPECT_EQ(texts.briefingTexts[3], "offen\n[4]\n");
  EXPECT_EQ(texts.briefingTexts[4], "");
  EXPECT_EQ(texts.openLines[3], 13);
  EXPECT_EQ(issues.size(), 3u);  // stray "[/]", "x" as a number, 101 out of range
}
