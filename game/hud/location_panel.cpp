#include "game/hud/location_panel.h"

#include <string_view>

#include "formats/goods_price.h"
#include "formats/media_numbers.h"
#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "game/hud/hud_controls.h"
#include "game/stations/trade_records.h"
#include "game/ui/bitmap_text.h"

namespace {

constexpr int kNameWidth = 20;
const char* const kTabWords[] = {"Schiffe", "Waffen", "Waren"};

int CataloguePrice(const Catalogues& catalogues, int tab, std::string_view name) {
  if (tab == 1) {
    const int index = ShipTypeIndex(catalogues.ships, name);
    return index > 0 ? catalogues.ships.shipTypes[index].price : 0;
  }
  const int index = WeaponTypeIndex(catalogues.weapons, name);
  return index > 0 ? catalogues.weapons.weaponTypes[index].price : 0;
}

void DrawPlaceRows(HudContext& hud) {
  Media& media = hud.flight.media;
  const HudState& state = hud.hud;
  int c = 0;
  for (const PlaceRecord* place : KnownPlaces(hud.flight.world)) {
    c += 1;
    const int row = c - state.locationScroll;
    if (row < 1 || row > kLocationRows) continue;
    const int colour = c == state.selectedPlace ? kActiveText : kNeutralText;
    DrawText(media, place->name, 15, 45 + 20 * row, 5, kAlignLeft, colour);
    DrawText(media, place->systemFolder, 315, 45 + 20 * row, 5, kAlignLeft, colour);
  }
}

void DrawScrollBar(Media& media, int top, int span, int thumb) {
  DrawKeyed(media, kPictureScrollUp, 475, top);
  DrawKeyed(media, kPictureScrollThumb, 475, top + 20 + thumb);
  DrawKeyed(media, kPictureScrollDown, 475, top + span + 40);
}

void DrawItems(HudContext& hud) {
  Media& media = hud.flight.media;
  const HudState& state = hud.hud;
  const PlaceRecord* place = SelectedKnownPlace(hud);
  const int items = ItemCount(hud);
  for (int k = state.itemScroll; k < state.itemScroll + kItemRows && k < items; ++k) {
    DrawText(media, ItemText(hud, *place, state.locationTab, k), 215,
             310 + 15 * (k - state.itemScroll), 3, kAlignLeft, kNeutralText);
  }
}

}  // namespace

std::vector<const PlaceRecord*> KnownPlaces(const World& world) {
  std::vector<const PlaceRecord*> known;
  for (const PlaceRecord& place : world.places) {
    if (place.known != 0) known.push_back(&place);
  }
  return known;
}

const PlaceRecord* SelectedKnownPlace(const HudContext& hud) {
  int c = 0;
  for (const PlaceRecord& place : hud.flight.world.places) {
    if (place.known != 0 && ++c == hud.hud.selectedPlace) return &place;
  }
  return nullptr;
}

const std::string& TabLine(const PlaceRecord& place, int tab) {
  if (tab == 1) return place.shipOffers;
  if (tab == 2) return place.weaponOffers;
  return place.goodsPrices;
}

int ItemCount(const HudContext& hud) {
  const PlaceRecord* place = SelectedKnownPlace(hud);
  return place ? OfferCount(TabLine(*place, hud.hud.locationTab)) : 0;
}

std::string ItemText(const HudContext& hud, const PlaceRecord& place, int tab, int k) {
  const std::string& line = TabLine(place, tab);
  const std::string_view record = RecordAt(line, k, kOfferRecordWidth);
  const std::string name = TrimBlanks(record.substr(0, kNameWidth));
  const Catalogues& catalogues = hud.flight.catalogues;
  int price = 0;
  if (tab == 3) {
    price = GoodsPrice(catalogues.goods, GoodsIndex(catalogues.goods, name), kBuyDelta, line,
                       hud.flight.world.places.Count());
  } else {
    price = CataloguePrice(catalogues, tab, name);
  }
  return std::string(record.substr(0, kNameWidth)) + "     " + std::to_string(price) + "$";
}

std::uint64_t LocationPanelKey(const HudContext& hud) {
  const HudState& state = hud.hud;
  PictureKey key;
  for (const int value : {state.locationScroll, state.selectedPlace, state.locationTab,
                          state.itemScroll, hud.flight.world.places.Count()}) {
    key.Add(value);
  }
  for (const PlaceRecord& place : hud.flight.world.places) key.Add(place.known != 0 ? 1 : 0);
  if (const PlaceRecord* place = SelectedKnownPlace(hud))
    key.Add(TabLine(*place, state.locationTab));
  return key.value;
}

void RenderLocationPanel(HudContext& hud) {
  Media& media = hud.flight.media;
  const HudState& state = hud.hud;
  DrawInto(media, kPicturePanel);
  FillBox(media, 0, 0, PictureWidth(media, kPicturePanel), PictureHeight(media, kPicturePanel), 0);
  DrawOpaque(media, kPictureMapFrame, 0, 0);
  DrawText(media, "Informationen", 15, 15, 5, kAlignLeft, kNormalText);
  DrawPlaceRows(hud);
  const int places = hud.flight.world.places.Count();
  DrawScrollBar(media, 65, 100, ScrollThumb(state.locationScroll, 100, places - kLocationRows));

  DrawText(media,
           "Infos \xFC"
           "ber den Ort",
           15, 255, 5, kAlignLeft, kNormalText);
  for (int tab = 1; tab <= 3; ++tab) {
    DrawText(media, kTabWords[tab - 1], 20, 275 + 20 * tab, 5, kAlignLeft,
             tab == state.locationTab ? kActiveText : kNeutralText);
  }
  DrawItems(hud);
  DrawScrollBar(media, 305, 110, ScrollThumb(state.itemScroll, 110, ItemCount(hud) - kItemRows));
  EndDraw(media);
}
