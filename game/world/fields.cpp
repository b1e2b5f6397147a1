#include "game/world/fields.h"

#include <cmath>

#include "formats/rounding.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kMineSpacing = 700;

double DistanceBetween(double x1, double y1, double x2, double y2) {
  return std::hypot(x2 - x1, y2 - y1);
}

// The mine grid is shaken by a remainder of each offset so that it does not look ruled.
int Rem(int v) {
  return v - 130 * RoundToInt(v / 130.0);
}

void AddMines(World& world, Rng& rng, int cx, int cy, int radius) {
  for (int gx = -radius; gx <= radius; gx += kMineSpacing) {
    for (int gy = -radius; gy <= radius; gy += kMineSpacing) {
      const int x = cx + gx + Rem(gy) - 65;
      const int y = cy + gy + Rem(gx) - 65;
      AddProjectile(world.visit.projectiles, {.sprite = 4401,
                                              .kind = 9,
                                              .ownerId = 0,
                                              .ownerGroup = -1,
                                              .radius = 48,
                                              .x = static_cast<float>(x),
                                              .y = static_cast<float>(y),
                                              .heading = static_cast<float>(RandomInt(rng, 359)),
                                              .speed = 0,
                                              .travelled = 0,
                                              .range = 1,
                                              .homing = 0,
                                              .hullDamage = 100,
                                              .shieldDamage = 50});
      if (DistanceBetween(x, y, cx, cy) > radius) world.visit.projectiles.DeleteCurrent();
    }
  }
}

void AddRadiation(World& world, int cx, int cy, int radius) {
  AddSystemObject(world.visit.systemObjects, {.type = 4000,
                                              .id = 0,
                                              .radius = static_cast<float>(radius),
                                              .x = static_cast<float>(cx),
                                              .y = static_cast<float>(cy),
                                              .angle = 0,
                                              .spin = 0,
                                              .bound = 0,
                                              .group = 0,
                                              .name = ""});
}

// How a drifting-piece area looks: the pieces per r², their pictures and sizes.
struct PieceCloud {
  int perSquareUnit;
  int firstType, typeSpread;
  int minSize, sizeSpread;
  bool jittering;  // bacteria shake 1..3 units a frame, gases 1
  float alphaFactor;
};

PieceCloud CloudOf(int kind) {
  switch (kind) {
    case kLavaRocks:
      return {90, 1031, 2, 3, 3, false, 1.0f};
    case kAsteroids:
      return {120, 1011, 2, 2, 2, false, 1.0f};
    case kBacteria:
      return {60, 1008, 1, 1, 2, true, 1.0f};
    case kGases:
      return {30, 1021, 1, 10, 20, true, 0.7f};
    default:
      return {90, 1041, 2, 3, 3, false, 1.0f};  // ice rocks
  }
}

void AddPieces(World& world, Rng& rng, int kind, int cx, int cy, int r) {
  const PieceCloud cloud = CloudOf(kind);
  const int radius = r * 1024;
  const int count = cloud.perSquareUnit * r * r;
  for (int i = 0; i < count; ++i) {
    const int type = cloud.firstType + RandomInt(rng, cloud.typeSpread);
    const int size = cloud.minSize + RandomInt(rng, cloud.sizeSpread);
    const int x = cx + RandomInt(rng, 2 * radius) - radius;
    const int y = cy + RandomInt(rng, 2 * radius) - radius;
    const int depth = 20 + RandomInt(rng, 30);
    const int angle = RandomInt(rng, 359);
    const float spin = RandomInt(rng, 40) / 10.0f - 2;
    int jitter = 0;
    if (cloud.jittering) jitter = kind == kGases ? 1 : 1 + RandomInt(rng, 2);
    AddEnvironmentPiece(world.visit.environmentPieces, {.type = type,
                                                        .size = static_cast<float>(size),
                                                        .x = static_cast<float>(x),
                                                        .y = static_cast<float>(y),
                                                        .depth = static_cast<float>(depth),
                                                        .angle = static_cast<float>(angle),
                                                        .spin = spin,
                                                        .jitter = jitter,
                                                        .alphaFactor = cloud.alphaFactor});
    if (DistanceBetween(x, y, cx, cy) > radius) world.visit.environmentPieces.DeleteCurrent();
  }
}

}  // namespace

void GenerateField(World& world, Rng& rng, int kind, int cx, int cy, int r) {
  const int centreX = cx * 1024;
  const int centreY = cy * 1024;
  if (kind == kMineField) AddMines(world, rng, centreX, centreY, r * 1024);
  if (kind == kRadiationField) AddRadiation(world, centreX, centreY, r * 1024);
  if (kind >= kLavaRocks && kind <= kIceRocks) AddPieces(world, rng, kind, centreX, centreY, r);
}

void AddStarField(World& world, Rng& rng, int onlyType) {
  const int cameraX = RoundToInt(world.cameraX);
  const int cameraY = RoundToInt(world.cameraY);
  for (int i = 0; i < 200; ++i) {
    const int type = onlyType ? onlyType : 1002 + RandomInt(rng, 5);
    const int x = cameraX - 1600 + RandomInt(rng, 3200);
    const int y = cameraY - 1600 + RandomInt(rng, 3200);
    const int depth = 20 + RandomInt(rng, 30);
    AddEnvironmentPiece(world.visit.environmentPieces, {.type = type,
                                                        .size = 0.8f,
                                                        .x = static_cast<float>(x),
                                                        .y = static_cast<float>(y),
                                                        .depth = static_cast<float>(depth),
                                                        .angle = 0,
                                                        .spin = 0,
                                                        .jitter = 0,
                                                        .alphaFactor = 1.0f});
    if (DistanceBetween(x, y, world.cameraX, world.cameraY) > 1600) {
      world.visit.environmentPieces.DeleteCurrent();
    }
  }
}
