#include "game/hud/weapon_list.h"

#include "formats/media_numbers.h"
#include "formats/object_kinds.h"
#include "game/hud/hud_controls.h"
#include "game/ui/bitmap_text.h"
#include "game/world/ship_records.h"

namespace {

constexpr int kButtonX = 300;
constexpr int kButtonY = 730;
constexpr int kListX = 0;
constexpr int kListY = 608;

// What the list shows: the ship's type (its slots) and its weapons.
std::uint64_t WeaponListKey(const ShipRecord* ship) {
  PictureKey key;
  if (ship) {
    key.Add(ship->type);
    key.Add(ship->weapons);
  }
  return key.value;
}

int SlotCount(const Catalogues& catalogues, int shipType) {
  const auto& types = catalogues.ships.shipTypes;
  const int index = ShipTypeOfPicture(shipType);
  return index >= 0 && index < static_cast<int>(types.size()) ? types[index].slotCount : 0;
}

std::string WeaponName(const Catalogues& catalogues, int weapon) {
  const auto& types = catalogues.weapons.weaponTypes;
  return weapon >= 0 && weapon < static_cast<int>(types.size()) ? types[weapon].name : "";
}

}  // namespace

void RenderWeaponList(HudContext& hud) {
  Media& media = hud.flight.media;
  const ShipRecord* ship = LocalShip(hud);
  DrawInto(media, kPictureWeaponList);
  FillBox(media, 0, 0, PictureWidth(media, kPictureWeaponList),
          PictureHeight(media, kPictureWeaponList), 0);
  DrawOpaque(media, kPictureWeaponListFrame, 0, 0);
  DrawText(media, "Waffen", 15, 15, 5, kAlignLeft, kNormalText);
  if (ship) {
    const int slots = SlotCount(hud.flight.catalogues, ship->type);
    for (int i = 0; i < slots; ++i) {
      const int weapon = RecordIndex(RecordAt(ship->weapons, i, kShipRecordWidth));
      DrawText(media, WeaponName(hud.flight.catalogues, weapon), 15, 45 + 15 * i, 3, kAlignLeft,
               kFriendlyText);
    }
  }
  EndDraw(media);
  hud.hud.weaponListKey = WeaponListKey(ship);
  hud.hud.pictureRenders += 1;
}

void RunWeaponList(HudContext& hud) {
  HudState& state = hud.hud;
  const bool clicked = PanelButton(hud, kPictureButtonWeaponList, kButtonX, kButtonY,
                                   "Informationslisten", state.weaponListShown);
  if (state.weaponListShown < 0) return;
  if (clicked || state.weaponListKey != WeaponListKey(LocalShip(hud))) RenderWeaponList(hud);
  DrawKeyed(hud.flight.media, kPictureWeaponList, kListX, kListY);
}
