#include "tests/game/support/flight_parts.h"

#include "game/world/computer_ships.h"

FlightContext FlightOf(FlightParts& parts) {
  return FlightContext{parts.world, parts.media, parts.catalogues, parts.settings,
                       parts.ui,    parts.frame, parts.rng,        parts.folder};
}

void Combat::SetUp() {
  game = MakeParts<FlightParts>();
  ArmForCombat(game->world, game->catalogues);
}

ShipRecord& Combat::AddComputer(int id, int group, float x, float y, float heading) {
  ShipRecord ship = TestShip(id, 0, x, y, heading);
  ship.group = group;
  return AppendShip(game->world, ship);
}

FlightContext Combat::Flight() {
  FlightContext flight = FlightOf(*game);
  flight.drawing = false;
  return flight;
}

void Combat::PointAt(int x, int y) {
  InjectMouseMove(game->media, x, y);
  ReadMouse(game->media);
}
