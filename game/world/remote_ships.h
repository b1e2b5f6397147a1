#pragma once

#include <vector>

#include "game/world/records.h"

// Other players' ships in a network game. The server relays each player's movement reports (one
// a frame of his game while his ship moves: position, heading, turn and forward speed). A ship
// here is shown where its reports say it is now: the newest report advanced by the motion its
// recent reports show (which includes sliding, which the forward speed leaves out), and a new
// report's correction is blended in over a few frames instead of making the ship jump. Only a
// report very far off (a jump in the sender's game) moves the ship there at once.

// Further than this from where it is shown, a report moves the ship there directly.
inline constexpr float kRemoteJumpDistance = 2000;

// Where a report put a ship, and when it was there on this game's clock (estimated).
struct RemoteSample {
  double timeMs = 0;
  float x = 0;
  float y = 0;
};

// When a report arrived, and which it was (counted since the track began).
struct RemoteArrival {
  long number = 0;
  double timeMs = 0;
};

// What is known of one other player's motion.
struct RemoteTrack {
  std::vector<RemoteSample> samples;    // the recent reports, oldest first
  std::vector<RemoteArrival> arrivals;  // the recent reports' arrivals
  long reports = 0;                     // reports since the track began
  float velocityX = 0;                  // units a millisecond, from the samples
  float velocityY = 0;
  double velocitySpanMs = 0;  // the span it was measured over
  double turnPerMs = 0;       // how fast its direction turns, radians a millisecond
  float offsetX = 0;          // where the ship is shown minus where the reports say, fading out
  float offsetY = 0;
  double shownAtMs = 0;  // when the ship was last moved
  bool placed = false;   // a report has put the ship somewhere
};

// This game's clock for the tracks, in milliseconds.
double RemoteClockMs();

// A movement report's position, arrived at `nowMs`.
void TakeRemoteReport(RemoteTrack& track, ShipRecord& ship, float x, float y, double nowMs);

// One frame: the ship moves to where it is shown at `nowMs`. A ship no report has placed stays.
void FlyRemoteShip(RemoteTrack& track, ShipRecord& ship, double nowMs);

// Whether a ship is steered by another player: neither a computer pilot (0) nor the local player.
inline bool IsRemoteShip(const ShipRecord& ship, int localPlayerNumber) {
  return ship.controller != 0 && ship.controller != localPlayerNumber;
}
