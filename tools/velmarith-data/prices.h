#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "formats/free_game.h"
#include "formats/goods_catalogue.h"
#include "formats/goods_price.h"
#include "formats/place_scan.h"

// velmarith-data prices: what every good costs and fetches at every place by the game's goods
// price rule, and the trips and loops along which a ship can trade at a profit. Universe authors
// balance stock figures with it.

// The free game's starting money (the trips a new player can afford).
inline constexpr long long kStartingMoney = kFreeGameStartMoney;

// A place as the game holds it after its start-up scan.
using PricePlace = ScannedPlace;

struct PriceBook {
  GoodsCatalogue goods;            // totalStock summed over all places
  std::vector<PricePlace> places;  // the game's order: by name, byte-wise
};

// Reads a game folder as the game's start-up does: every system of INI\Universum.ini, its docking
// rings, their place files (a name listed twice is one place: folder of the first system, lines
// of the last file read), then INI\Waren.ini with the stock totals. Missing files give no data.
PriceBook LoadPriceBook(const std::filesystem::path& gameFolder);

// The stock of a good at a place: the last goods-price record with that name; 0 when none.
int LocalStock(const PricePlace& place, std::string_view goodName);

// What the game's goods trader charges (delta 0) or pays (delta 1) for one unit there, by the
// game's own rule (formats/goods_price.h).
int PlacePrice(const PriceBook& book, int place, int good, int delta);

// Whether the place offers the good for sale (its name in the goods-offer line).
bool PlaceSells(const PricePlace& place, std::string_view goodName);

struct TradeTrip {
  int from = 0;  // place indices into PriceBook::places
  int to = 0;
  int good = 0;          // goods index
  long long margin = 0;  // first unit: selling price at `to` minus buying price at `from`
  int units = 0;         // units worth carrying
  long long profit = 0;  // over all units, prices moving with every unit bought and sold
};

// Buys unit by unit at `from` while cargo, money and stock last and the next unit still sells at
// `to` for more than it costs (the stock there grows with every unit sold), then sells them.
TradeTrip PlanTrip(const PriceBook& book, int from, int to, int good, int cargo, long long money);

// Every trip whose first unit makes a profit, best margin first (then best profit).
std::vector<TradeTrip> ProfitableTrips(const PriceBook& book, int cargo, long long money);

struct TradeLoop {
  TradeTrip out;
  TradeTrip back;
  long long margin = 0;  // out.margin + back.margin
  long long profit = 0;  // out.profit + back.profit
};

// For every pair of places with a profitable trip each way, the best of each (by margin); best
// margin first.
std::vector<TradeLoop> ProfitableLoops(const std::vector<TradeTrip>& trips);

// The whole report: prices per place, the best trips and loops, and a summary line.
void PrintPriceReport(const PriceBook& book, int cargo, long long money, int top,
                      std::ostream& out);

// "velmarith-data prices <game folder> [--cargo N] [--money N] [--top N]"; `args` are the words
// after "prices". Cargo defaults to the free game's starting ship's hold. Returns the exit status.
int RunPricesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
