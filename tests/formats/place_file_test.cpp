#include "formats/place_file.h"

#include <gtest/gtest.h>

#include "formats/goods_catalogue.h"
#include "tests/support/temp_folder.h"
#include "tests/formats/test_text.h"

namespace {

PlaceFile SamplePlace() {
  PlaceFile place;
  place.shipOffers = MakeOfferRecord("Schwalbe", "-1") + MakeOfferRecord("Habicht", "-1");
  place.weaponOffers = MakeOfferRecord("Loku I", "-1");
  place.goodsOffers = "";
  place.goodsPrices = MakeOfferRecord("Wasser", "120") + MakeOfferRecord("Kristalle", "1000");
  PersonRecord mission{"Auftr\xE4ge", "Kopfgeld", "Die Allianz", "Die Blacks", 40000, -20000, 3, "",
                       5000,          0};
  PersonRecord info{"Informationen", "Ort", "", "", 0, 0, 0, "Planet Neue Allianz", 250, 0};
  place.people = {mission, info};
  return place;
}

}  // namespace

TEST(Offers, RecordsAreThirtyCharactersAndATrailingPartIsIgnored) {
  const std::string one = MakeOfferRecord("Schwalbe", "-1");
  EXPECT_EQ(one, "Schwalbe            -1        ");
  const std::string line59 = one + one.substr(0, 29);
  const std::vector<OfferRecord> records = SplitOffers(line59);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].name, "Schwalbe");
  EXPECT_EQ(records[0].value, "-1");
  EXPECT_TRUE(SplitOffers("").empty());
  EXPECT_EQ(SplitOffers(one + one).size(), 2u);
}

TEST(Offers, ATwentyCharacterNameIsWrittenWithoutABlankAndReadsBackWhole) {
  const std::string name = "Bramutey Alpha Typ 2";
  ASSERT_EQ(name.size(), 20u);
  const std::string record = MakeOfferRecord(name, "-1");
  EXPECT_EQ(record, name + "-1        ");
  EXPECT_EQ(SplitOffers(record).at(0).name, name);
  // Longer names are written whole and shift the record: they are outside the format.
  EXPECT_EQ(MakeOfferRecord(name + "X", "-1").size(), 31u);
}

TEST(People, AShortLineReadsMissingColumnsAsEmptyAndZero) {
  const PersonRecord person = ReadPersonLine("Informationen                 Ort", 12);
  EXPECT_EQ(person.mainKind, "Informationen");
  EXPECT_EQ(person.subKind, "Ort");
  EXPECT_EQ(person.fromGroup, "");
  EXPECT_EQ(person.x, 0);
  EXPECT_EQ(person.price, 0);
  EXPECT_EQ(person.line, 12);
  const PersonRecord blank = ReadPersonLine(std::string(190, ' '));
  EXPECT_EQ(blank.mainKind, "");
  EXPECT_EQ(blank.shipCount, 0);
}

TEST(People, LineHasTheFixedColumns) {
  const std::string line = FormatPersonLine(SamplePlace().people[0]);
  ASSERT_EQ(line.size(), 190u);
  EXPECT_EQ(line.substr(0, 8), "Auftr\xE4ge");
  EXPECT_EQ(line.substr(120, 10), "40000     ");
  EXPECT_EQ(line.substr(130, 10), "-20000    ");
  EXPECT_EQ(line.substr(140, 10), "3         ");
  EXPECT_EQ(line.substr(180, 10), "5000      ");
  const PersonRecord back = ReadPersonLine(line);
  EXPECT_EQ(back.againstGroup, "Die Blacks");
  EXPECT_EQ(back.y, -20000);
}

TEST(PlaceFile, ReadAndWrittenBackIsByteIdentical) {
  const std::string bytes = WritePlace(SamplePlace());
  EXPECT_EQ(bytes.substr(0, 11), "[Schiffe]\r\n");
  for (PlaceReadMode mode :
       {PlaceReadMode::kGame, PlaceReadMode::kEditor, PlaceReadMode::kEditorLegacy}) {
    ReadIssues issues;
    const PlaceFile place = ReadPlace(bytes, mode, &issues);
    EXPECT_TRUE(issues.empty());
    ASSERT_EQ(place.people.size(), 2u);
    EXPECT_EQ(place.people[1].line, 11);
    EXPECT_EQ(place.goodsPrices, SamplePlace().goodsPrices);
    EXPECT_EQ(WritePlace(place), bytes);
  }
}

TEST(PlaceFile, PeopleSectionRulesOfGameEditorAndLegacyEditor) {
  PlaceFile empty = SamplePlace();
  empty.people.clear();
  const std::string noPeople = WritePlace(empty);
  EXPECT_TRUE(ReadPlace(noPeople, PlaceReadMode::kGame).people.empty());
  EXPECT_TRUE(ReadPlace(noPeople, PlaceReadMode::kEditor).people.empty());
  EXPECT_EQ(WritePlace(ReadPlace(noPeople, PlaceReadMode::kEditor)), noPeople);
  // The first editor always read one person, and so saved a line nobody had written.
  const PlaceFile legacy = ReadPlace(noPeople, PlaceReadMode::kEditorLegacy);
  ASSERT_EQ(legacy.people.size(), 1u);
  EXPECT_EQ(legacy.people[0].mainKind, "");
  EXPECT_NE(WritePlace(legacy), noPeople);

  const std::string withGap = noPeople + "\r\n" + std::string(5, ' ') + "\r\n";
  EXPECT_EQ(ReadPlace(withGap, PlaceReadMode::kGame).people.size(), 1u);  // blanks: a person
  EXPECT_EQ(ReadPlace(withGap, PlaceReadMode::kEditor).people.size(), 2u);
}

TEST(PlaceFile, CutShortAndOddHeadingsAreReadByPositionAndReported) {
  ReadIssues issues;
  const PlaceFile place = ReadPlace(CrLf({"[Raumschiffe]", "Schwalbe            -1", "[Waffen]"}),
                                    PlaceReadMode::kGame, &issues);
  EXPECT_EQ(place.shipOffers, "Schwalbe            -1");
  EXPECT_EQ(place.weaponOffers, "");
  EXPECT_TRUE(place.people.empty());
  EXPECT_EQ(issues.size(), 3u);  // heading, cut short, offer line not whole records
}

TEST(PlaceFile, StartupScanReplacesTripleZeros) {
  EXPECT_EQ(ReplaceTripleZeros("1000      "), "100       ");
  EXPECT_EQ(ReplaceTripleZeros("0000000"), "00 00 0");
  EXPECT_EQ(ReplaceTripleZeros("100"), "100");
  const std::string prices = MakeOfferRecord("Wasser", "1000");
  EXPECT_EQ(StockFigure(prices, 1), 1000);
  EXPECT_EQ(StockFigure(ReplaceTripleZeros(prices), 1), 100);
}

TEST(PlaceFile, SaveCreatesTheOrteFolderAndMissingFilesGiveNothing) {
  TempFolder folder;
  const auto file = folder.path / "Alpha 23" / "Orte" / "Station.ini";
  EXPECT_FALSE(LoadPlace(file, PlaceReadMode::kGame).has_value());
  ASSERT_TRUE(SavePlace(file, SamplePlace()).ok);
  const std::optional<PlaceFile> loaded = LoadPlace(file, PlaceReadMode::kGame);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(WritePlace(*loaded), WritePlace(SamplePlace()));
  EXPECT_EQ(PlaceDataPath("Alpha 23", "Station"), "Alpha 23\\Orte\\Station.ini");
}
