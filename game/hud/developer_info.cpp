#include "game/hud/developer_info.h"

#include <string>

#include "formats/rounding.h"
#include "game/ui/bitmap_text.h"

namespace {

void Line(Media& media, int x, int y, const std::string& text) {
  DrawText(media, text, x, y, 5, kAlignLeft, kActiveText);
}

std::string Count(int count) {
  return std::to_string(count);
}

// One line per ship: its controller, position, dock target and orders.
void DrawShipLines(Media& media, const World& world) {
  std::string groups = "RS-Gr : ";
  for (const ShipRecord& ship : world.ships) groups += std::to_string(ship.group) + " ";
  Line(media, 20, 235, groups);
  int i = 0;
  for (const ShipRecord& ship : world.ships) {
    i += 1;
    Line(media, 20, 235 + 20 * i,
         "RS : " + std::to_string(ship.controller) + " " + std::to_string(RoundToInt(ship.x)) +
             "|" + std::to_string(RoundToInt(ship.y)) + "  " + std::to_string(ship.dockTarget) +
             "; " + ship.orders);
  }
}

}  // namespace

void DrawDeveloperInfo(HudContext& hud) {
  const World& world = hud.flight.world;
  if (world.developerInfo != 1) return;
  Media& media = hud.flight.media;
  const SystemVisit& visit = world.visit;
  Line(media, 80, 50, "Wichtige f\xFCr den Programmierer");
  Line(media, 80, 55, "______________________________");
  Line(media, 80, 75,
       "P(" + Count(RoundToInt(world.cameraX)) + "," + Count(RoundToInt(world.cameraY)) + ")");
  Line(media, 80, 95, "RS  : " + Count(world.ships.Count()));
  Line(media, 80, 115, "M   : " + Count(visit.projectiles.Count()));
  Line(media, 80, 135, "T   : " + Count(visit.floatingObjects.Count()));
  Line(media, 80, 155, "E   : " + Count(visit.particles.Count()));
  Line(
      media, 80, 175,
      "S   : " + Count(world.flight.piecesNearby) + " / " + Count(visit.environmentPieces.Count()));
  Line(media, 80, 195,
       "O   : " + Count(world.flight.objectsNearby) + " / " + Count(visit.systemObjects.Count()));
  DrawShipLines(media, world);
}
