#pragma once

#include "game/flight/flight_context.h"

// The particle emitters of flight. Random numbers come from the flight's generator, so that a
// seeded run replays.

// Engine exhaust from the ship's two nozzles; ships of type code 4000 and above have none, and
// ships outside the 1000 box around the camera emit nothing.
void EmitExhaust(FlightContext& flight, const ShipRecord& ship);

// The plasma of a route marker or docking ring in use: a glow on it and a stream along it.
void EmitRoutePlasma(FlightContext& flight, const SystemObjectRecord& object);

// The trail a projectile leaves on one sub-step of its flight, by its weapon kind (torpedoes
// leave none); the particles take the projectile's picture + 100.
void EmitTrail(FlightContext& flight, const ProjectileRecord& projectile);

// A drifting body breaking up: 20 particles of the given sprite (14 rock dust, 11 fire).
void EmitBurst(FlightContext& flight, float x, float y, int sprite);

// A ship's explosion: a fireball of 100 particles and a ring of 90.
void EmitShipExplosion(FlightContext& flight, float x, float y);

// A mine or rocket going off: 40 particles of fire.
void EmitProjectileExplosion(FlightContext& flight, float x, float y);
