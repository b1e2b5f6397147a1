#include <gtest/gtest.h>

#include "formats/rounding.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "tests/formats/test_text.h"

TEST(Universe, RecordsStayInFileOrderWithSystemsAndLanesInterleaved) {
  const std::string file = CrLf(
      {"; Universum", "[Systeme]", "  Alpha 23 ", "0", "0", "[Routen]", "GR\xDCN", "90000", "50000",
       "0", "3", "2", "Alpha 23 <> Neue Welt", "", "[Systeme]", "Neue Welt", "100000", "-100000"});
  ReadIssues issues;
  const UniverseFile universe = ReadUniverse(file, &issues);
  ASSERT_EQ(universe.records.size(), 3u);
  EXPECT_EQ(universe.records[0].kind, UniverseRecordKind::kSystem);
  EXPECT_EQ(universe.records[0].system.name, "Alpha 23");
  EXPECT_EQ(universe.records[1].kind, UniverseRecordKind::kLane);
  EXPECT_EQ(universe.records[1].line, 6);
  const LaneRecord& lane = universe.records[1].lane;
  EXPECT_EQ(lane.colour, 2);
  EXPECT_EQ(lane.x, 90000);
  EXPECT_EQ(lane.length, 3);
  EXPECT_EQ(lane.group, 2);
  EXPECT_EQ(lane.name, "Alpha 23 <> Neue Welt");
  EXPECT_EQ(universe.records[2].system.originY, -100000);
  EXPECT_EQ(UniverseSystems(universe).size(), 2u);
  EXPECT_EQ(UniverseLanes(universe).size(), 1u);
  ASSERT_EQ(issues.size(), 1u);  // the comment line
  EXPECT_EQ(issues[0].line, 1);
}

TEST(Universe, CutShortRecordsUnknownColoursAndBlankedMarkers) {
  ReadIssues issues;
  const UniverseFile universe = ReadUniverse(
      CrLf({"[Systeme] ", "[Routen]", "LILA", "1", "2", "[Systeme]", "Kurz"}), &issues);
  ASSERT_EQ(universe.records.size(), 1u);  // "[Systeme]" and "[Routen]" are lines of the lane
  const LaneRecord& lane = universe.records[0].lane;
  EXPECT_EQ(lane.colour, 0);
  EXPECT_EQ(lane.x, 1);
  EXPECT_EQ(lane.angle, 0);  // "[Systeme]" as a number
  EXPECT_EQ(lane.group, 0);  // missing line
  EXPECT_EQ(lane.name, "");
  EXPECT_GE(issues.size(), 4u);
  EXPECT_TRUE(ReadUniverse("").records.empty());
}

TEST(Universe, LaneColoursAndSystemSquaresWithOpenEdges) {
  EXPECT_EQ(LaneColourCode("BLAU"), 1);
  EXPECT_EQ(LaneColourCode("ROT"), 3);
  EXPECT_EQ(LaneColourCode("GRUEN"), 0);
  EXPECT_EQ(LaneColourWord(2), "GR\xDCN");
  const SystemEntry system{"S", 100000, -100000};
  EXPECT_TRUE(SystemContains(system, 100001, -99999));
  EXPECT_TRUE(SystemContains(system, 199999.5, -0.5));
  EXPECT_FALSE(SystemContains(system, 100000, -50000));  // on the lower edge
  EXPECT_FALSE(SystemContains(system, 150000, 0));       // on the upper edge
  EXPECT_FALSE(SystemContains(system, 200000, -50000));
}

TEST(Universe, LaneNamesAreCutAroundTheSeparator) {
  LaneEnds ends = SplitLaneName("Alpha 23 <> Neue Welt");
  EXPECT_TRUE(ends.separated);
  EXPECT_EQ(ends.first, "Alpha 23");
  EXPECT_EQ(ends.second, "Neue Welt");
  ends = SplitLaneName("<> B");
  EXPECT_EQ(ends.first, "");
  EXPECT_EQ(ends.second, "B");
  ends = SplitLaneName("A <>");
  EXPECT_EQ(ends.second, "");
  ends = SplitLaneName("Ohne Trenner");
  EXPECT_FALSE(ends.separated);
  EXPECT_EQ(ends.first, "Ohne Trenner");
}

namespace {

std::vector<ElementRecord> SampleElements() {
  return {
      {"Sonnen", "Wei\xDF", "", "(keine Gruppe)", 50000, 50000, 0, 0, 3000, 0},
      {"Planeten", "W\xFCste", "Sandkorn", "Die Allianz", 61000, 48000, 0, 1.5, 900, 0},
      {"Planeten", "Eis", "Frost", "", 20000, 20000, 0, -2.5, 700, 0},
      {"Andockringe", "Andockring", "Planet Neue Allianz", "Die Allianz", 61500, 48000, 270, 0, 0,
       0},
      {"Routen", "ROT", "Alpha 23 <> Neue Welt", "", 1000, 99000, -90, 0.25, 0, 4},
  };
}

}  // namespace

TEST(SystemFile, WriterProducesTheEditorsTenLineRecords) {
  const std::string bytes = WriteSystemElements({SampleElements()[1]});
  EXPECT_EQ(bytes, CrLf({"[Planeten]", "  W\xFCste", "  Sandkorn", "  Die Allianz", "  61000",
                         "  48000", "  0", "  1.5", "  900", "  0"}));
  EXPECT_EQ(WriteSystemElements({}), "");
}

TEST(SystemFile, ReadAndWrittenBackIsByteIdentical) {
  const std::string bytes = WriteSystemElements(SampleElements());
  ReadIssues issues;
  const std::vector<ElementRecord> read = ReadSystemElements(bytes, &issues);
  EXPECT_TRUE(issues.empty());
  ASSERT_EQ(read.size(), 5u);
  EXPECT_EQ(read[4].name, "Alpha 23 <> Neue Welt");
  EXPECT_EQ(read[4].length, 4);
  EXPECT_EQ(WriteSystemElements(read), bytes);
}

TEST(SystemFile, RotationStaysDecimalAndRoundsHalfToEvenAsASpin) {
  const std::vector<ElementRecord> read = ReadSystemElements(WriteSystemElements(SampleElements()));
  EXPECT_DOUBLE_EQ(read[1].rotation, 1.5);
  EXPECT_EQ(RoundToInt(read[1].rotation), 2);
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(read[2].rotation), -2);
}

TEST(SystemFile, CutShortRecordReadsMissingLinesAsEmptyAndZero) {
  ReadIssues issues;
  const std::vector<ElementRecord> read =
      ReadSystemElements(CrLf({"[Sonnen]", "  Wei\xDF", "", "", "  5", "\nX"}), &issues);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].x, 5);
  EXPECT_EQ(read[0].radius, 0);
  EXPECT_FALSE(issues.empty());
  const std::vector<ElementRecord> odd = ReadSystemElements("X\r\n");
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].elementGroup, "");
}

TEST(SystemFile, StartupScanFindsDockingRingsLineByLine) {
  const std::string bytes = WriteSystemElements(SampleElements());
  const std::vector<DockingRingEntry> rings = ScanDockingRings(bytes);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].name, "Planet Neue Allianz");
  EXPECT_EQ(rings[0].x, 61500);
  EXPECT_EQ(rings[0].y, 48000);
  EXPECT_EQ(rings[0].line, 31);
  // A ring marker inside another record's lines is still found by the scan.
  EXPECT_EQ(ScanDockingRings(CrLf({"x", "[Andockringe]", "", " Ring "})).at(0).name, "Ring");
}
