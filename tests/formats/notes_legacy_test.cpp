#include <gtest/gtest.h>

#include "formats/group_catalogue.h"
#include "formats/legacy_files.h"
#include "formats/note_file.h"
#include "tests/support/temp_folder.h"
#include "tests/formats/test_text.h"

TEST(NoteFile, TextIsStoredExactlyWithoutFinalLineEnd) {
  for (const std::string text :
       {"", "eine Zeile", "zwei\r\nZeilen", "Leerzeile\r\n\r\ndanach", "Enter am Ende\r\n", "\r\n"}) {
    EXPECT_EQ(WriteNoteText(text), text);
    EXPECT_EQ(ReadNoteText(WriteNoteText(text)), text);
  }
  EXPECT_EQ(ReadNoteText("lf\nnur\n"), "lf\r\nnur\r\n");
}

TEST(NoteFile, TheFirstEditorGaveAOneLineFileAnEmptySecondLine) {
  EXPECT_EQ(ReadNoteTextLegacy("eine Zeile"), "eine Zeile\r\n");
  EXPECT_EQ(ReadNoteTextLegacy("zwei\r\nZeilen"), "zwei\r\nZeilen");
}

TEST(NoteFile, MissingFileLeavesTheBoxAlone) {
  TempFolder folder;
  EXPECT_FALSE(LoadNoteText(folder.path / "Gruppen.txt").has_value());
  ASSERT_TRUE(SaveNoteText(folder.path / "Gruppen.txt", "a\r\nb").ok);
  EXPECT_EQ(LoadNoteText(folder.path / "Gruppen.txt"), "a\r\nb");
}

TEST(LegacySystem, EachMarkerHasItsOwnLinesAndMissingFieldsGetDefaults) {
  ReadIssues issues;
  const std::vector<LegacyElement> elements = ReadLegacySystem(
      CrLf({"[Sonne]",      "Wei\xDF", "50000", "50000", "3000", "Muell",   "[Planet]",
            "Erde",         "1",       "2",     "900",   "1.5",  "2",       "Blaue Kugel",
            "[Andockring]", "5",       "6",     "90",    "1",    "Station", "[Route]",
            "BLAU",         "1"}),
      &issues);
  ASSERT_EQ(elements.size(), 4u);
  EXPECT_EQ(elements[0].element.elementGroup, "Sonnen");
  EXPECT_EQ(elements[0].element.radius, 3000);
  EXPECT_EQ(elements[0].element.groupName, "(keine Gruppe)");
  EXPECT_EQ(elements[1].element.elementGroup, "Planeten");
  EXPECT_DOUBLE_EQ(elements[1].element.rotation, 1.5);
  EXPECT_EQ(elements[1].groupIndex, 2);
  EXPECT_EQ(elements[1].element.name, "Blaue Kugel");
  EXPECT_EQ(elements[2].element.elementType, "Andockring");
  EXPECT_EQ(elements[2].element.direction, 90);
  EXPECT_EQ(elements[2].element.name, "Station");
  EXPECT_EQ(elements[3].element.x, 1);
  EXPECT_EQ(elements[3].element.y, 0);
  EXPECT_EQ(issues.size(), 2u);  // the stray line and the cut-short route
  const std::vector<std::string> choices{"(keine Gruppe)", "Die Allianz", "Die Blacks"};
  EXPECT_EQ(LegacyGroupName(2, choices), "Die Blacks");
  EXPECT_EQ(LegacyGroupName(3, choices), "(keine Gruppe)");
  EXPECT_EQ(LegacyGroupName(-1, choices), "(keine Gruppe)");
}

TEST(LegacyOffers, PlaceHeaderFollowedByThreeOfferLines) {
  const std::vector<LegacyOffers> offers =
      ReadLegacyOffers(CrLf({"Kopf", "[Station]", "S", "W", "G", "[Zweite]", "s2"}));
  ASSERT_EQ(offers.size(), 2u);
  const LegacyOffers* station = FindLegacyOffers(offers, "Station");
  ASSERT_NE(station, nullptr);
  EXPECT_EQ(station->weaponOffers, "W");
  EXPECT_EQ(FindLegacyOffers(offers, "Zweite")->goodsOffers, "");
  EXPECT_EQ(FindLegacyOffers(offers, "Fehlt"), nullptr);
}

TEST(LegacyPrices, GoodsPricesAreRebuiltInCatalogueOrderAndStayAligned) {
  const std::string line = Row({{1, "Station"}, {31, "120"}, {51, "75"}});
  const std::vector<LegacyPriceLine> prices = ReadLegacyPrices(CrLf({line, "", "Andere"}));
  ASSERT_EQ(prices.size(), 2u);
  const LegacyPriceLine* station = FindLegacyPrices(prices, "Station");
  ASSERT_NE(station, nullptr);
  EXPECT_EQ(LegacyGoodsPrices(station->text, {"Wasser", "Kristalle", "Artefakte"}),
            "Wasser              120       "
            "Kristalle           75        "
            "Artefakte                     ");
}
