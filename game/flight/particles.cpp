#include "game/flight/particles.h"

#include <algorithm>
#include <cmath>

#include "formats/angles.h"
#include "game/flight/sprites.h"
#include "game/world/geometry.h"

namespace {

// Entry plasma speeds up to the drive speed of its level.
void SpeedUpTo(ParticleRecord& p, float cap) {
  p.speed = std::min(p.speed * 1.1f, cap);
}

void DrawParticle(FlightContext& flight, const ParticleRecord& p) {
  const World& world = flight.world;
  if (!InBox(p.x, p.y, world.cameraX, world.cameraY, 800)) return;
  ViewPoint view;
  if (!ViewTransform(world, p.x, p.y, 800, view)) return;
  DrawSprite(flight.media, p.sprite, 2 * p.size, SpriteRotation(p.heading, world.playerHeading),
             view.viewOffsetX - p.size + kShipScreenX, view.viewOffsetY - p.size + kShipScreenY,
             p.alpha);
}

}  // namespace

void AgeParticle(ParticleRecord& p) {
  switch (p.sprite) {
    case 1:
      p.alpha -= 15;
      break;
    case 2:
      p.alpha -= 30;
      break;
    case 11:
      p.alpha -= 2;
      p.size -= 0.2f;
      break;
    case 12:
      p.alpha -= 2;
      p.size += 0.5f;
      break;
    case 13:
      p.alpha -= 1;
      break;
    case 14:
      p.alpha -= 2;
      break;
    case 32:
      p.alpha -= 4;
      break;
    case 411:
      p.life -= 1;
      SpeedUpTo(p, 225);
      break;
    case 421:
      p.life -= 1;
      SpeedUpTo(p, 450);
      break;
    case 431:
      p.life -= 1;
      SpeedUpTo(p, 900);
      break;
    case 412:
    case 422:
    case 432:
    case 440:
      p.life -= 1;
      break;
    case 413:
    case 423:
    case 433:
      p.life -= 1;
      if (p.speed > 0) p.speed /= 1.1f;
      break;
    default:
      // Shot trails: the life only sets how fast they shrink.
      p.size -= p.life * 0.1f;
      p.alpha -= 50;
      break;
  }
  if (p.alpha < 32 || p.size < 2) p.life = 0;
}

void RunParticles(FlightContext& flight) {
  CursorList<ParticleRecord>& particles = flight.world.visit.particles;
  const float timeFactor = flight.frame.timeFactor;
  particles.Reset();
  while (particles.Next()) {
    ParticleRecord& p = *particles.Current();
    const double radians = p.heading * kRadiansPerDegree;
    p.x += static_cast<float>(std::cos(radians) * p.speed * timeFactor);
    p.y += static_cast<float>(std::sin(radians) * p.speed * timeFactor);
    AgeParticle(p);
    if (flight.drawing) DrawParticle(flight, p);
    if (p.life <= 0) particles.DeleteCurrent();
  }
}
