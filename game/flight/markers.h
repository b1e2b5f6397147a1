#pragma once

#include <optional>
#include <string>

#include "game/flight/flight_context.h"
#include "game/world/geometry.h"

// The markings of things in flight: brackets round what is on the screen, markers on the screen's
// edge for what lies beyond it, their colours and the left click that selects.

// The colour code of a group as the player sees it: 1 hostile, 2 neutral, 3 friendly.
int AttitudeCode(const World& world, int group);

// The colour code of an object or ship: 5 when selected, else by attitude.
int MarkingCode(const World& world, int id, int group);

// Whether a point of the view lies on the 1024 x 768 screen.
bool OnScreen(const ViewPoint& view);

// Where the edge marker of a point off the screen goes: its top-left corner and its direction
// (the bearing of the view offset, in [0, 360)). False in the narrow gaps at the screen corners.
struct EdgePlace {
  float x = 0;
  float y = 0;
  float angle = 0;
};
bool FindEdgePlace(const ViewPoint& view, EdgePlace& place);

// The edge marker's picture, turned towards the point, with its label inside the screen beside it.
// Gives where the label went, or nothing when there was none or no clear place for it.
std::optional<LabelBox> DrawEdgeMarker(FlightContext& flight, int sprite, const EdgePlace& place,
                                       int alpha, const std::string& label, int colourSet);

// The distance label of edge markers: thousands of units with one decimal ("12.3").
std::string ThousandsLabel(float distance);

// The 128 x 128 bracket round a point of the view and the group's name above it.
void DrawBracket(FlightContext& flight, const ViewPoint& view, int code, int group);

// Whether this frame's left click lies within `within` pixels (both axes) of the screen point. A
// click on a HUD control, or whose press began on one, is the HUD's and never counts here.
bool ClickedNear(const FlightContext& flight, float x, float y, float within);

// Whether this frame's left click lies on the label. A marker on the bottom edge lies under the
// HUD's status panel, so its name is where a player clicks to choose it.
bool ClickedOnLabel(const FlightContext& flight, const std::optional<LabelBox>& label);
