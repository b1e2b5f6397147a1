#include "game/flight/ship_drawing.h"

#include "game/flight/sprites.h"
#include "game/world/geometry.h"

void DrawShipPicture(FlightContext& flight, const ShipRecord& ship) {
  const World& world = flight.world;
  if (!InBox(ship.x, ship.y, world.cameraX, world.cameraY, 8000)) return;
  ViewPoint view;
  if (!ViewTransform(world, ship.x, ship.y, 8000, view)) return;
  if (view.viewDistance >= ship.radius + 800) return;
  DrawSprite(flight.media, ship.type, 2 * ship.radius,
             SpriteRotation(ship.heading, world.playerHeading),
             view.viewOffsetX - ship.radius + kShipScreenX,
             view.viewOffsetY - ship.radius + kShipScreenY, 255);
}
