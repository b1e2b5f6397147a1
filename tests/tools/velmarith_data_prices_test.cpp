#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "tests/support/temp_folder.h"
#include "tools/velmarith-data/prices.h"

namespace fs = std::filesystem;

namespace {

// Writes a data file as the game reads it: Latin-1 bytes, CR LF line ends.
void WriteGameFile(const fs::path& path, const std::vector<std::string>& utf8Lines) {
  fs::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  for (const std::string& line : utf8Lines) file << Utf8ToLatin1(line) << "\r\n";
}

std::string Offers(const std::vector<std::string>& names) {
  std::string line;
  for (const std::string& name : names) line += MakeOfferRecord(Utf8ToLatin1(name), "-1");
  return line;
}

std::string Stock(int water, int ore) {
  return MakeOfferRecord("Wasser", std::to_string(water)) +
         MakeOfferRecord("Erz", std::to_string(ore));
}

std::vector<std::string> Ring(const std::string& name) {
  return {"[Andockringe]", "  Andockring", "  " + name, "  ",  "  500",
          "  500",         "  0",          "  0",       "  0", "  0"};
}

void WritePlace(const fs::path& ini, const std::string& system, const std::string& name,
                const std::vector<std::string>& goods, const std::string& stock) {
  WriteGameFile(ini / system / "Orte" / (name + ".ini"),
                {"[Schiffe]", "", "[Waffen]", "", "[Waren]", Latin1ToUtf8(Offers(goods)),
                 "[Warenpreise]", stock, "[Leute]", ""});
}

// Two systems, three places: "Alpha" is listed in both systems (one place: the first system's
// folder, the last file's lines). Wasser 100 and Erz 50 credits; stock totals 300 and 120.
class PricesFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path ini = root / "INI";
    WriteGameFile(ini / "Universum.ini",
                  {"[Systeme]", "Nord", "0", "0", "[Systeme]", "Süd", "0", "100000"});
    std::vector<std::string> nord = Ring("Beta");
    for (const std::string& line : Ring("Alpha")) nord.push_back(line);
    WriteGameFile(ini / "Nord" / "System.ini", nord);
    std::vector<std::string> sued = Ring("Gamma");
    for (const std::string& line : Ring("Alpha")) sued.push_back(line);
    WriteGameFile(ini / "Süd" / "System.ini", sued);
    WriteGameFile(ini / "Waren.ini",
                  {"| Waren", "Wasser              100", "Erz                 50"});
    // One ship type with a hold of 5 (columns 131-140).
    std::string ship = PadRight("Kahn", 20) + PadRight("20", 10) + PadRight("0", 10);
    ship = PadRight(ship, 90) + PadRight("100", 10) + PadRight("50", 10) + PadRight("5", 10) +
           PadRight("100", 10) + PadRight("5", 10) + PadRight("", 10) + "1000";
    WriteGameFile(ini / "Raumschiffe.ini", {ship});
    WritePlace(ini, "Nord", "Alpha", {"Erz"}, Stock(1, 1));  // overridden by Süd's file
    WritePlace(ini, "Nord", "Beta", {}, Stock(50, 20));
    // "1000" reads as "100 ": the game's start-up scan turns every "000" into "00 ".
    WritePlace(ini, "Süd", "Alpha", {"Wasser"}, Stock(1000, 60));
    WritePlace(ini, "Süd", "Gamma", {"Wasser", "Erz"}, Stock(150, 40));
  }

  TempFolder scratch{"prices"};
  fs::path root = scratch.path;
};

TEST_F(PricesFixture, PlacesAreReadAsTheGameReadsThem) {
  const PriceBook book = LoadPriceBook(root);
  ASSERT_EQ(book.places.size(), 3u);
  EXPECT_EQ(book.places[0].name, "Alpha");
  EXPECT_EQ(book.places[1].name, "Beta");
  EXPECT_EQ(book.places[2].name, "Gamma");
  EXPECT_EQ(book.places[0].systemFolder, "Nord");     // first system wins the folder
  EXPECT_TRUE(PlaceSells(book.places[0], "Wasser"));  // last file wins the lines
  EXPECT_FALSE(PlaceSells(book.places[0], "Erz"));
  EXPECT_EQ(LocalStock(book.places[0], "Wasser"), 100);
  EXPECT_EQ(LocalStock(book.places[0], "Salz"), 0);
  ASSERT_EQ(book.goods.goodsCount, 2);
  EXPECT_EQ(book.goods.goods[1].totalStock, 100 + 50 + 150);
  EXPECT_EQ(book.goods.goods[2].totalStock, 60 + 20 + 40);
}

TEST_F(PricesFixture, PriceRuleDropsTheFractionAndPricesAnEmptyStockAsOne) {
  const PriceBook book = LoadPriceBook(root);
  const GoodsRecord& water = book.goods.goods[1];  // 100 x 300 / (stock x 3)
  EXPECT_EQ(GoodsPriceAtStock(water, 100, 0, 3), 100);
  EXPECT_EQ(GoodsPriceAtStock(water, 100, 1, 3), 99);  // 10000 / 101
  EXPECT_EQ(GoodsPriceAtStock(water, 50, 0, 3), 200);
  EXPECT_EQ(GoodsPriceAtStock(water, 1, 0, 3), 10000);
  // The game prices a stock it cannot divide by as a stock of 1 (unlimited -1 included).
  EXPECT_EQ(GoodsPriceAtStock(water, 0, 0, 3), 10000);
  EXPECT_EQ(GoodsPriceAtStock(water, -1, 1, 3), 5000);
  EXPECT_EQ(GoodsPriceAtStock(water, -1, 2, 3), 3333);
  EXPECT_EQ(GoodsPriceAtStock(water, std::nullopt, 1, 3), 10000);  // not listed: stock 0 + 1
  // The report's prices are the game's: Gamma holds 150 Wasser, Beta 20 Erz.
  EXPECT_EQ(PlacePrice(book, 2, 1, 0), 66);
  EXPECT_EQ(PlacePrice(book, 2, 1, 1), 66);  // 30000 / 453
  EXPECT_EQ(PlacePrice(book, 1, 2, 1), 6000 / 63);
}

TEST_F(PricesFixture, TripStopsAtCargoMoneyStockAndWhenAUnitNoLongerPays) {
  const PriceBook book = LoadPriceBook(root);
  // Wasser from Gamma (stock 150, 66 a unit) to Beta (stock 50, sells at 196 then falling).
  TradeTrip trip = PlanTrip(book, 2, 1, 1, 5, 1000000);
  EXPECT_EQ(trip.margin, 10000 / 51 - 10000 / 150);
  EXPECT_EQ(trip.units, 5);  // the hold is full
  long long expected = 0;
  for (int k = 0; k < 5; ++k) expected += 10000 / (51 + k) - 10000 / (150 - k);
  EXPECT_EQ(trip.profit, expected);

  trip = PlanTrip(book, 2, 1, 1, 5, 66 + 67 - 1);  // money for one unit only
  EXPECT_EQ(trip.units, 1);

  // A hold of 500 units: buying drains Gamma and selling floods Beta until a unit loses.
  trip = PlanTrip(book, 2, 1, 1, 500, 100000000);
  EXPECT_GT(trip.units, 5);
  EXPECT_LT(trip.units, 150);
  const int k = trip.units;
  EXPECT_LE(10000 / (51 + k), 10000 / (150 - k));

  // Wasser from Alpha (stock 100) to Gamma (150) loses from the first unit on.
  trip = PlanTrip(book, 0, 2, 1, 5, 1000000);
  EXPECT_EQ(trip.margin, 10000 / 151 - 10000 / 100);
  EXPECT_EQ(trip.units, 0);
  EXPECT_EQ(trip.profit, 0);
}

TEST_F(PricesFixture, TripsStartOnlyWhereTheGoodIsSoldAndLoopsPairBothWays) {
  const PriceBook book = LoadPriceBook(root);
  const std::vector<TradeTrip> trips = ProfitableTrips(book, 5, 10000);
  ASSERT_FALSE(trips.empty());
  for (const TradeTrip& trip : trips) {
    EXPECT_TRUE(PlaceSells(book.places[trip.from], book.goods.goods[trip.good].name));
    EXPECT_GT(trip.margin, 0);
  }
  for (size_t k = 1; k < trips.size(); ++k) EXPECT_GE(trips[k - 1].margin, trips[k].margin);

  // Beta sells nothing and Alpha only Wasser, which is dear at Gamma: no loop.
  EXPECT_TRUE(ProfitableLoops(trips).empty());

  // Beta selling much Erz makes two loops: Beta <-> Gamma (Erz out, Wasser back, 96 + 130
  // a unit) and Alpha <-> Beta (Wasser out, Erz back, 96 + 56).
  WritePlace(root / "INI", "Nord", "Beta", {"Erz"}, Stock(50, 200));
  const PriceBook richer = LoadPriceBook(root);
  const std::vector<TradeLoop> loops = ProfitableLoops(ProfitableTrips(richer, 5, 10000));
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_EQ(loops[0].out.from, 1);
  EXPECT_EQ(loops[0].out.to, 2);
  EXPECT_EQ(loops[0].out.good, 2);
  EXPECT_EQ(loops[0].back.good, 1);
  EXPECT_EQ(loops[0].margin, 96 + 130);
  EXPECT_EQ(loops[1].out.from, 0);
  EXPECT_EQ(loops[1].out.to, 1);
  EXPECT_EQ(loops[1].margin, 96 + 56);
  EXPECT_EQ(loops[1].profit, loops[1].out.profit + loops[1].back.profit);
}

TEST_F(PricesFixture, CommandReportsPricesAndRejectsBadArguments) {
  std::ostringstream out, err;
  EXPECT_EQ(RunPricesCommand({root.string(), "--top", "3"}, out, err), 0);
  const std::string report = out.str();
  EXPECT_NE(report.find("Prices at 3 places"), std::string::npos);
  EXPECT_NE(report.find("Gamma (Süd)"), std::string::npos);  // names printed as UTF-8
  EXPECT_NE(report.find("for 5 cargo units and 10000 credits"), std::string::npos);  // ship 1
  EXPECT_NE(report.find("profitable trips"), std::string::npos);

  out.str("");
  EXPECT_EQ(RunPricesCommand({root.string(), "--cargo", "7", "--money", "50"}, out, err), 0);
  EXPECT_NE(out.str().find("for 7 cargo units and 50 credits"), std::string::npos);

  EXPECT_EQ(RunPricesCommand({}, out, err), 2);
  EXPECT_EQ(RunPricesCommand({root.string(), "--cargo"}, out, err), 2);
  EXPECT_EQ(RunPricesCommand({root.string(), "--cargo", "-3"}, out, err), 2);
  EXPECT_EQ(RunPricesCommand({root.string(), "extra"}, out, err), 2);
  EXPECT_EQ(RunPricesCommand({(root / "missing").string()}, out, err), 1);
}

}  // namespace
