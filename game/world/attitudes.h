#pragma once

#include <filesystem>

#include "game/world/world_state.h"

// The groups' attitudes towards each other (World::groups), from -1 (hostile) to 1 (friendly).
// Group 0 is the player. Every new game starts from the authored table: the file is read again,
// and its arrays always have their full bounds (groups 0..300), so any index inside the bounds
// is safe; writes outside them are ignored.
void ResetAttitudes(World& world, const std::filesystem::path& groupsFile);

// The matrix stays symmetric: both operations write (a, b) and (b, a). AddRelation of a group
// with itself therefore adds twice.
void SetRelation(World& world, int a, int b, float value);
void AddRelation(World& world, int a, int b, float change);

// Changes the player's standing towards group g by `change` and spreads it over every group
// 1..GroupCount in proportion to g's own attitude towards it: g's friends move the same way, its
// enemies the other way. Standings are kept within -1..1, except that g itself is only held
// above -1 (step one). Kills (-0.03) and signed contracts use it.
void ChangePlayerStanding(World& world, int g, float change);

// A computer ship of group g that the player's shot angered flies as group g + 100, hostile to the
// player whatever the attitudes say.
inline constexpr int kAngeredGroupOffset = 100;

// The player's ship was lost: every computer ship the player angered returns to its own group, so
// that the respawned player is not hunted again by ships waiting at the ring.
void ForgiveAngeredShips(World& world);

// The group a ship is counted to when the player destroys it: an angered copy (g + 100) or a
// mission copy (g + 200) is taken back to g.
int GroupOfOrigin(int shipGroup);

// The player's shot destroyed a ship of `shipGroup`: the standing with its group of origin falls
// by 0.03, spread as ChangePlayerStanding spreads it.
void CountKillByPlayer(World& world, int shipGroup);

enum class Attitude { kHostile, kNeutral, kFriendly };

// Hostile at -0.5 and below, friendly at 0.5 and above, neutral between.
Attitude AttitudeOf(float relation);

// The text colour set of an attitude: 10 hostile, 20 neutral, 30 friendly.
int AttitudeColourSet(float relation);
