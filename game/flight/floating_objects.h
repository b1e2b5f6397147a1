#pragma once

#include "game/flight/flight_context.h"

// A disc's new course after an elastic collision with another disc (both of mass 1 in flight).
struct DiscCourse {
  float heading;
  float speed;
};

// Elastic collision of discs A and B: along the line joining their centres they exchange their
// velocity components (weighted by mass), across it they keep them. Gives B's new heading and
// speed (speed never negative).
DiscCourse BounceDiscs(float massA, float xA, float yA, float speedA, float headingA, float massB,
                       float xB, float yB, float speedB, float headingB);

// Drifting rocks and pods: motion, expiry, drawing, bumping off ships and stations, crushing by
// planets and suns; rocks out of view break up at once.
void RunFloatingObjects(FlightContext& flight);
