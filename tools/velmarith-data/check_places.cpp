#include "tools/velmarith-data/check_places.h"

#include <algorithm>
#include <array>

#include "formats/place_file.h"
#include "formats/text_rules.h"

namespace {

// People a station can show: their screens are 401..439 (the codes from 440 on are the deals').
constexpr size_t kMaxMetPeople = 39;

// The main kinds the game offers a deal for.
constexpr std::array<std::string_view, 3> kDealKinds = {"Auftr\xE4ge", "Informationen",
                                                        "Diplomatien"};

// Catalogue lookup of one offer line's names; `what` names the catalogue in messages.
template <typename Lookup>
void CheckOfferNames(CheckContext& context, std::string_view path, int line,
                     const std::string& offers, const char* catalogue, Lookup found) {
  for (const OfferRecord& offer : SplitOffers(offers)) {
    if (!found(offer.name)) {
      Report(context, path, line,
             Quoted(offer.name) + " is offered, but " + catalogue + " does not list it");
    }
    if (!IsStrictInt(offer.value)) {
      Report(
          context, path, line,
          "the count of " + Quoted(offer.name) + " is " + Quoted(offer.value) + ", not an integer");
    }
  }
}

void CheckGoodsPrices(CheckContext& context, std::string_view path, const std::string& prices) {
  constexpr int kLine = 8;
  if (prices.empty()) return;  // no figures set for this place yet
  const std::vector<OfferRecord> records = SplitOffers(prices);
  const GoodsCatalogue& goods = context.goods;
  for (size_t i = 0; i < records.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    if (n > goods.goodsCount) {
      Report(context, path, kLine,
             "goods-price record " + FormatInt(n) + " " + Quoted(records[i].name) +
                 " has no good of that number in INI\\Waren.ini");
      break;
    }
    if (records[i].name != goods.goods[n].name) {
      Report(context, path, kLine,
             "goods-price record " + FormatInt(n) + " is " + Quoted(records[i].name) +
                 ", but good " + FormatInt(n) + " of INI\\Waren.ini is " +
                 Quoted(goods.goods[n].name) + ": the figures must follow the catalogue order");
    }
    if (!IsStrictInt(records[i].value)) {
      Report(context, path, kLine,
             "the stock of " + Quoted(records[i].name) + " is " + Quoted(records[i].value) +
                 ", not an integer");
    }
  }
  if (static_cast<int>(records.size()) < goods.goodsCount) {
    Report(context, path, kLine,
           "goods prices list " + FormatInt(static_cast<long long>(records.size())) + " of " +
               FormatInt(goods.goodsCount) + " goods; the others count as stock 0");
  }
  if (prices.find("000") != std::string::npos) {
    Report(context, path, kLine,
           "goods prices contain \"000\", which the game's start-up reads as \"00 \" (a stock "
           "of 1000 becomes 100)");
  }
}

void CheckPerson(CheckContext& context, std::string_view path, const PersonRecord& person,
                 const std::vector<std::string>& systemPlaces) {
  if (std::find(kDealKinds.begin(), kDealKinds.end(), person.mainKind) == kDealKinds.end()) {
    Report(context, path, person.line,
           "main kind " + Quoted(person.mainKind) + " offers the player no deal");
  }
  if (!context.peopleDefs.groups.empty() &&
      !KindTypeListed(context.peopleDefs, person.mainKind, person.subKind)) {
    Report(context, path, person.line,
           "sub kind " + Quoted(person.subKind) + " of " + Quoted(person.mainKind) +
               " is not listed in INI\\_Leute.ini");
  }
  CheckGroupName(context, path, person.line, person.fromGroup);
  CheckGroupName(context, path, person.line, person.againstGroup);
  if (!person.infoPlace.empty() &&
      std::find(systemPlaces.begin(), systemPlaces.end(), person.infoPlace) == systemPlaces.end()) {
    Report(context, path, person.line,
           "information place " + Quoted(person.infoPlace) + " is no place of this system");
  }
  CheckSystemPosition(context, path, person.line, person.x, person.y, "person position");
}

}  // namespace

void CheckPlace(CheckContext& context, std::string_view path, std::string_view bytes,
                const std::vector<std::string>& systemPlaces) {
  ReadIssues issues;
  const PlaceFile place = ReadPlace(bytes, PlaceReadMode::kGame, &issues);
  ReportIssues(context, path, issues);
  CheckOfferNames(context, path, 2, place.shipOffers, "INI\\Raumschiffe.ini",
                  [&](const std::string& name) { return ShipTypeIndex(context.ships, name) > 0; });
  CheckOfferNames(
      context, path, 4, place.weaponOffers, "INI\\Waffen.ini",
      [&](const std::string& name) { return WeaponTypeIndex(context.weapons, name) > 0; });
  CheckOfferNames(context, path, 6, place.goodsOffers, "INI\\Waren.ini",
                  [&](const std::string& name) { return GoodsIndex(context.goods, name) > 0; });
  CheckGoodsPrices(context, path, place.goodsPrices);
  for (const PersonRecord& person : place.people) {
    ++context.result.summary.people;
    CheckPerson(context, path, person, systemPlaces);
  }
  if (place.people.size() > kMaxMetPeople) {
    Report(context, path, place.people[kMaxMetPeople].line,
           FormatInt(static_cast<long long>(place.people.size())) +
               " people: only the first 39 can ever be met at the station");
  }
}
