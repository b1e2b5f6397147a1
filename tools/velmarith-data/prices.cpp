#include "tools/velmarith-data/prices.h"

#include <algorithm>
#include <map>
#include <utility>

#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/ship_catalogue.h"
#include "formats/text_rules.h"

namespace {

std::string PlaceLabel(const PricePlace& place) {
  return Latin1ToUtf8(place.name) + " (" + Latin1ToUtf8(place.systemFolder) + ")";
}

// Padded before the conversion: columns count characters, not UTF-8 bytes.
std::string GoodName(const PriceBook& book, int good, int width = 0) {
  return Latin1ToUtf8(PadRight(book.goods.goods[good].name, width));
}

// "%+lld" for the report's gains and losses.
std::string Signed(long long value) {
  return (value > 0 ? "+" : "") + FormatInt(value);
}

void PrintPlaces(const PriceBook& book, std::ostream& out) {
  const int placeCount = static_cast<int>(book.places.size());
  out << "Prices at " << placeCount << " places (buy / sell a unit; \"*\" = sold there):\n";
  for (int p = 0; p < placeCount; ++p) {
    const PricePlace& place = book.places[p];
    out << PlaceLabel(place) << "\n";
    for (int g = 1; g <= book.goods.goodsCount; ++g) {
      const std::string& name = book.goods.goods[g].name;
      const std::optional<int> stock = LocalStock(place.goodsPrices, name);
      // A stock with nothing to sell has no buying price.
      const std::string buy =
          stock && StockSells(*stock) ? FormatInt(PlacePrice(book, p, g, kBuyDelta)) : "-";
      out << "  " << GoodName(book, g, 20) << " stock " << PadLeft(FormatInt(stock.value_or(0)), 5)
          << "   buy " << PadLeft(buy, 6) << "   sell "
          << PadLeft(FormatInt(PlacePrice(book, p, g, kSellDelta)), 6)
          << (PlaceSells(place, name) ? "  *" : "") << "\n";
    }
  }
}

std::string TripText(const PriceBook& book, const TradeTrip& trip) {
  return GoodName(book, trip.good, 16) + PlaceLabel(book.places[trip.from]) + " -> " +
         PlaceLabel(book.places[trip.to]);
}

}  // namespace

PriceBook LoadPriceBook(const std::filesystem::path& gameFolder) {
  const std::filesystem::path ini = gameFolder / "INI";
  PriceBook book;
  book.places = ScanPlaces(ini);
  book.goods = LoadGoods(ini / "Waren.ini");
  std::vector<std::string> lines;
  for (const PricePlace& place : book.places) lines.push_back(place.goodsPrices);
  ComputeTotalStock(book.goods, lines);
  return book;
}

int LocalStock(const PricePlace& place, std::string_view goodName) {
  return LocalStock(place.goodsPrices, goodName).value_or(0);
}

int PlacePrice(const PriceBook& book, int place, int good, int delta) {
  return GoodsPrice(book.goods, good, delta, book.places[place].goodsPrices,
                    static_cast<int>(book.places.size()));
}

bool PlaceSells(const PricePlace& place, std::string_view goodName) {
  for (const OfferRecord& record : SplitOffers(place.goodsOffers)) {
    if (record.name == goodName) return true;
  }
  return false;
}

TradeTrip PlanTrip(const PriceBook& book, int from, int to, int good, int cargo, long long money) {
  TradeTrip trip;
  trip.from = from;
  trip.to = to;
  trip.good = good;
  const GoodsRecord& record = book.goods.goods[good];
  const int placeCount = static_cast<int>(book.places.size());
  // The stocks move as the game moves them: buying lowers a counted stock and removes its record
  // at 0, selling raises it or lists the good anew with 1; an unlimited stock never changes.
  std::optional<int> buyStock = LocalStock(book.places[from].goodsPrices, record.name);
  std::optional<int> sellStock = LocalStock(book.places[to].goodsPrices, record.name);
  for (int unit = 0; unit < cargo; ++unit) {
    if (!buyStock || !StockSells(*buyStock)) break;
    const long long cost = GoodsPriceAtStock(record, buyStock, kBuyDelta, placeCount);
    const long long gain = GoodsPriceAtStock(record, sellStock, kSellDelta, placeCount);
    if (unit == 0) trip.margin = gain - cost;
    if (gain <= cost || money < cost) break;
    money -= cost;
    trip.profit += gain - cost;
    ++trip.units;
    if (*buyStock != kUnlimitedStock && --*buyStock == 0) buyStock.reset();
    if (!sellStock) {
      sellStock = 1;
    } else if (*sellStock != kUnlimitedStock) {
      ++*sellStock;
    }
  }
  return trip;
}

std::vector<TradeTrip> ProfitableTrips(const PriceBook& book, int cargo, long long money) {
  std::vector<TradeTrip> trips;
  const int placeCount = static_cast<int>(book.places.size());
  for (int from = 0; from < placeCount; ++from) {
    for (int good = 1; good <= book.goods.goodsCount; ++good) {
      if (!PlaceSells(book.places[from], book.goods.goods[good].name)) continue;
      for (int to = 0; to < placeCount; ++to) {
        if (to == from) continue;
        TradeTrip trip = PlanTrip(book, from, to, good, cargo, money);
        if (trip.margin > 0) trips.push_back(trip);
      }
    }
  }
  std::stable_sort(trips.begin(), trips.end(), [](const TradeTrip& a, const TradeTrip& b) {
    return a.margin != b.margin ? a.margin > b.margin : a.profit > b.profit;
  });
  return trips;
}

std::vector<TradeLoop> ProfitableLoops(const std::vector<TradeTrip>& trips) {
  // Trips come best first, so the first one seen for a direction is its best.
  std::map<std::pair<int, int>, const TradeTrip*> best;
  for (const TradeTrip& trip : trips) best.try_emplace({trip.from, trip.to}, &trip);
  std::vector<TradeLoop> loops;
  for (const auto& [key, out] : best) {
    if (key.first >= key.second) continue;
    const auto back = best.find({key.second, key.first});
    if (back == best.end()) continue;
    loops.push_back({*out, *back->second, out->margin + back->second->margin,
                     out->profit + back->second->profit});
  }
  std::stable_sort(loops.begin(), loops.end(), [](const TradeLoop& a, const TradeLoop& b) {
    return a.margin != b.margin ? a.margin > b.margin : a.profit > b.profit;
  });
  return loops;
}

void PrintPriceReport(const PriceBook& book, int cargo, long long money, int top,
                      std::ostream& out) {
  PrintPlaces(book, out);
  const std::vector<TradeTrip> trips = ProfitableTrips(book, cargo, money);
  const std::vector<TradeLoop> loops = ProfitableLoops(trips);

  out << "\nBest trips for " << cargo << " cargo units and " << money
      << " credits (profit of the first unit, units worth carrying, profit of the trip):\n";
  for (int k = 0; k < top && k < static_cast<int>(trips.size()); ++k) {
    const TradeTrip& trip = trips[k];
    out << PadLeft(FormatInt(k + 1), 4) << ". " << PadLeft(Signed(trip.margin), 5) << "/unit "
        << PadLeft(FormatInt(trip.units), 3) << " units " << PadLeft(Signed(trip.profit), 7) << "  "
        << TripText(book, trip) << "\n";
  }
  out << "\nBest loops (out and back; profit of the first units, profit of both trips):\n";
  for (int k = 0; k < top && k < static_cast<int>(loops.size()); ++k) {
    const TradeLoop& loop = loops[k];
    out << PadLeft(FormatInt(k + 1), 4) << ". " << PadLeft(Signed(loop.margin), 5) << "/unit "
        << PadLeft(Signed(loop.profit), 7) << "  " << PlaceLabel(book.places[loop.out.from])
        << " <-> " << PlaceLabel(book.places[loop.out.to]) << ": " << GoodName(book, loop.out.good)
        << " out, " << GoodName(book, loop.back.good) << " back\n";
  }
  long long bestTrip = 0;
  for (const TradeTrip& trip : trips) bestTrip = std::max(bestTrip, trip.profit);
  long long bestLoop = 0;
  int paying = 0;
  for (const TradeLoop& loop : loops) {
    bestLoop = std::max(bestLoop, loop.profit);
    if (loop.profit > 0) ++paying;
  }
  out << "\n"
      << trips.size() << " profitable trips, " << paying
      << " loops that pay with this hold; best trip " << Signed(bestTrip) << ", best loop "
      << Signed(bestLoop) << " credits.\n";
}

int RunPricesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const char* usage =
      "usage: velmarith-data prices <game folder> [--cargo N] [--money N] [--top N]\n";
  std::string folder;
  std::optional<int> cargo;
  long long money = kStartingMoney;
  int top = 15;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& word = args[k];
    if (word == "--cargo" || word == "--money" || word == "--top") {
      if (k + 1 >= args.size() || !IsStrictInt(args[k + 1]) || ReadInt(args[k + 1]) < 0) {
        err << "velmarith-data prices: " << word << " needs a number of 0 or more\n" << usage;
        return 2;
      }
      const int value = ReadInt(args[++k]);
      if (word == "--cargo") cargo = value;
      if (word == "--money") money = value;
      if (word == "--top") top = value;
    } else if (folder.empty() && !word.starts_with("--")) {
      folder = word;
    } else {
      err << "velmarith-data prices: unexpected \"" << word << "\"\n" << usage;
      return 2;
    }
  }
  if (folder.empty()) {
    err << usage;
    return 2;
  }
  const std::filesystem::path root(folder);
  if (!std::filesystem::is_regular_file(root / "INI" / "Universum.ini")) {
    err << "velmarith-data prices: " << folder << " holds no INI/Universum.ini\n";
    return 1;
  }
  const PriceBook book = LoadPriceBook(root);
  if (!cargo) {
    const ShipCatalogue ships = LoadShipTypes(root / "INI" / "Raumschiffe.ini");
    cargo = ships.shipTypeCount >= kFreeGameShipType
                ? ships.shipTypes[kFreeGameShipType].cargoCapacity
                : 0;
  }
  PrintPriceReport(book, *cargo, money, top, out);
  return 0;
}
