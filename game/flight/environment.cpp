#include "game/flight/environment.h"

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "game/flight/sprites.h"
#include "game/world/geometry.h"
#include "game/world/world_lists.h"

namespace {

bool ShedsRocks(int type) {
  return (type >= 1011 && type <= 1013) || (type >= 1031 && type <= 1033) ||
         (type >= 1041 && type <= 1043);
}

// A rock breaks off a cloud piece: one of the three rocks of the cloud's kind.
void ShedRock(FlightContext& flight, const EnvironmentPieceRecord& piece) {
  Rng& rng = flight.rng;
  const int base = piece.type - (piece.type - 1) % 10;
  const int type = base + RandomInt(rng, 2);
  const float radius = static_cast<float>(5 + RandomInt(rng, 14));
  const float heading = static_cast<float>(1 + RandomInt(rng, 359));
  const float speed = static_cast<float>(10 + RandomInt(rng, 30));
  const float spin = static_cast<float>(RandomInt(rng, 40) / 10 - 2);
  AddFloatingObject(flight.world.visit.floatingObjects, {.type = type,
                                                         .item = 0,
                                                         .amount = 0,
                                                         .radius = radius,
                                                         .x = piece.x,
                                                         .y = piece.y,
                                                         .heading = heading,
                                                         .speed = speed,
                                                         .spin = spin,
                                                         .life = 1000});
}

// Draws the piece with parallax: positions scaled by depth x 0.02, so a piece of depth 50 moves
// with the world and one of depth 20 at 0.4 of it.
void DrawPiece(FlightContext& flight, EnvironmentPieceRecord& piece) {
  const World& world = flight.world;
  const float scale = piece.depth * 0.02f;
  ViewPoint view;
  if (!ViewTransform(world.cameraX * scale, world.cameraY * scale, world.playerHeading,
                     piece.x * scale, piece.y * scale, 700, view)) {
    return;
  }
  if (piece.jitter > 0) {
    piece.x += static_cast<float>(2 * RandomInt(flight.rng, piece.jitter) - piece.jitter);
    piece.y += static_cast<float>(2 * RandomInt(flight.rng, piece.jitter) - piece.jitter);
  }
  piece.angle += piece.spin * flight.frame.timeFactor;
  if (!flight.drawing) return;
  const float half = piece.depth * piece.size / 10;
  DrawSprite(flight.media, piece.type, static_cast<float>(RoundToInt(2 * half)),
             SpriteRotation(piece.angle, world.playerHeading),
             view.viewOffsetX - half + kShipScreenX, view.viewOffsetY - half + kShipScreenY,
             RoundToInt(piece.depth * 5 * piece.alphaFactor));
}

}  // namespace

std::optional<int> FieldGlowTint(const FieldGlowRecord& glow, float x, float y) {
  const float d = RoundedDistance(x, y, float(glow.x), float(glow.y));
  const float beyond = d - glow.radius - 3000;
  if (beyond >= 0) return std::nullopt;
  if (d < glow.radius) return glow.colour;
  const double strength = -beyond / 3000.0;
  const int r = RoundToInt((glow.colour & 0xFF) * strength);
  const int g = RoundToInt(((glow.colour >> 8) & 0xFF) * strength);
  const int b = RoundToInt(((glow.colour >> 16) & 0xFF) * strength);
  return MakeColour(r, g, b);
}

void DrawFieldGlows(FlightContext& flight) {
  const World& world = flight.world;
  std::optional<int> tint;
  for (const FieldGlowRecord& glow : world.visit.fieldGlows) {
    if (const auto colour = FieldGlowTint(glow, world.cameraX, world.cameraY)) tint = colour;
  }
  if (tint && flight.drawing) ClearScreen(flight.media, *tint);
}

void RunEnvironmentPieces(FlightContext& flight) {
  World& world = flight.world;
  CursorList<EnvironmentPieceRecord>& pieces = world.visit.environmentPieces;
  world.flight.piecesNearby = 0;
  pieces.Reset();
  while (pieces.Next()) {
    EnvironmentPieceRecord& piece = *pieces.Current();
    if (InBox(piece.x, piece.y, world.cameraX, world.cameraY, 2000)) {
      world.flight.piecesNearby += 1;
      if (ShedsRocks(piece.type) && RandomInt(flight.rng, 5000) == 0) ShedRock(flight, piece);
    }
    DrawPiece(flight, piece);
    // Dust that falls behind comes back ahead: mirrored through the camera.
    if (piece.type < 1007 &&
        RoundedDistance(piece.x, piece.y, world.cameraX, world.cameraY) > 1600) {
      piece.x = 2 * world.cameraX - piece.x;
      piece.y = 2 * world.cameraY - piece.y;
    }
    if (piece.type < 45) pieces.DeleteCurrent();
  }
}

void LayTractorBeam(FlightContext& flight, const ShipRecord& ship) {
  World& world = flight.world;
  for (const FloatingObjectRecord& pod : world.visit.floatingObjects) {
    if (!IsPod(pod.type)) continue;
    const float d = RoundedDistance(pod.x, pod.y, ship.x, ship.y);
    if (d >= 1000) continue;
    const float a = BearingDeg(pod.x - ship.x, pod.y - ship.y);
    const float ux = static_cast<float>(CosDeg(a));
    const float uy = static_cast<float>(SinDeg(a));
    const int dots = RoundToInt(d / 20);
    for (int i = 0; i <= dots; ++i) {
      AddEnvironmentPiece(world.visit.environmentPieces, {.type = 41 + RandomInt(flight.rng, 3),
                                                          .size = 2,
                                                          .x = pod.x - i * 20 * ux,
                                                          .y = pod.y - i * 20 * uy,
                                                          .depth = 50,
                                                          .angle = a,
                                                          .spin = 0,
                                                          .jitter = 0,
                                                          .alphaFactor = 1});
    }
  }
}
