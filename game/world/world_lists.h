#pragma once

#include <string>
#include <utility>

#include "game/world/cursor_list.h"
#include "game/world/records.h"

// One add operation per list. A record's fields are given in storage order by a designated
// initializer, e.g. AddFieldGlow(world.visit.fieldGlows, {.x = 10, .y = 20, .radius = 5000,
// .colour = MakeColour(60, 60, 60)}); the new record is inserted after the cursor and is current.

inline ShipRecord& AddShip(CursorList<ShipRecord>& ships, ShipRecord ship) {
  return ships.Add(std::move(ship));
}

inline SystemObjectRecord& AddSystemObject(CursorList<SystemObjectRecord>& objects,
                                           SystemObjectRecord object) {
  return objects.Add(std::move(object));
}

inline EnvironmentPieceRecord& AddEnvironmentPiece(CursorList<EnvironmentPieceRecord>& pieces,
                                                   EnvironmentPieceRecord piece) {
  return pieces.Add(piece);
}

inline ProjectileRecord& AddProjectile(CursorList<ProjectileRecord>& projectiles,
                                       ProjectileRecord projectile) {
  return projectiles.Add(projectile);
}

inline FloatingObjectRecord& AddFloatingObject(CursorList<FloatingObjectRecord>& objects,
                                               FloatingObjectRecord object) {
  return objects.Add(object);
}

inline ParticleRecord& AddParticle(CursorList<ParticleRecord>& particles, ParticleRecord particle) {
  return particles.Add(particle);
}

inline FieldGlowRecord& AddFieldGlow(CursorList<FieldGlowRecord>& glows, FieldGlowRecord glow) {
  return glows.Add(glow);
}

// A ticker message lives 1000 frames.
inline TickerMessageRecord& AddTickerMessage(CursorList<TickerMessageRecord>& messages, int colour1,
                                             std::string text1, int colour2, std::string text2) {
  return messages.Add({colour1, std::move(text1), colour2, std::move(text2), 1000});
}
