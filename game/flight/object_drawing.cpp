// Drawing and selecting the system objects (the drawing half of the system-objects pass).

#include <cmath>
#include <string>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "game/flight/markers.h"
#include "game/flight/sprites.h"
#include "game/flight/system_objects.h"
#include "game/ui/bitmap_text.h"
#include "game/world/geometry.h"

namespace {

constexpr float kObjectRange = 8000;

// Two chevrons of running lights, 64 units ahead of and behind the middle, pointing along the
// object's angle; the lights run towards their tips.
void DrawRunningLights(FlightContext& flight, const SystemObjectRecord& o, float cx, float cy) {
  const float playerHeading = flight.world.playerHeading;
  const int sprite = o.type == kObjectDockingRing ? 440 : o.type - 3600;
  const float along = o.angle - playerHeading + 270;
  const float back = o.angle - playerHeading + 90;
  const int frameCounter = flight.frame.frameCounter;
  for (const float tipOffset : {64.0f, -64.0f}) {
    const float tipX = cx + tipOffset * float(CosDeg(along));
    const float tipY = cy + tipOffset * float(SinDeg(along));
    for (int i = 0; i <= 40; i += 4) {
      const double wave = SinDeg(10.0 * i + frameCounter);
      const int alpha = static_cast<int>((127 - 3 * i) * wave - 2 * i + 128);
      for (const float side : {1.0f, -1.0f}) {
        const float direction = back + side * i / 2.0f;
        const float x = tipX + i * 8 * float(CosDeg(direction));
        const float y = tipY + i * 8 * float(SinDeg(direction));
        DrawSprite(flight.media, sprite, 16, 0, x - 8, y - 8, alpha);
      }
    }
  }
}

std::string ObjectLabel(const World& world, const SystemObjectRecord& o) {
  if (o.type != kObjectDockingRing) return o.name;
  const auto& names = world.groups.groupNames;
  const std::string group = o.group >= 0 && o.group < int(names.size()) ? names[o.group] : "";
  return o.name + " (" + group + ")";
}

void DrawNear(FlightContext& flight, const SystemObjectRecord& o, const ViewPoint& view) {
  const World& world = flight.world;
  const float cx = kShipScreenX + view.viewOffsetX;
  const float cy = kShipScreenY + view.viewOffsetY;
  DrawSprite(flight.media, o.type, 2 * o.radius, o.angle - world.playerHeading, cx - o.radius,
             cy - o.radius, 255);
  if (!IsDockable(o.type)) return;
  DrawRunningLights(flight, o, cx, cy);
  const std::string label = ObjectLabel(world, o);
  const int x = static_cast<int>(cx);
  const int y = static_cast<int>(cy - o.radius);
  DrawText(flight.media, label, x, y, 5, kAlignCentre, MarkingCode(world, o.id, o.group) * 10);
  const int half = BitmapTextWidth(label, 5) / 2;
  flight.edgeLabels.push_back({x - half, y, x + half, y + 20});
}

// Rings and lane entries get a marker with their name and distance, planets their own picture.
void MarkOffScreen(FlightContext& flight, const SystemObjectRecord& o, const ViewPoint& view) {
  const bool dockable = IsDockable(o.type);
  if (!dockable && !IsPlanet(o.type)) return;
  EdgePlace place;
  if (!FindEdgePlace(view, place)) return;
  const int alpha = static_cast<int>(255 - view.viewDistance / 50);
  World& world = flight.world;
  if (dockable) {
    const int code = MarkingCode(world, o.id, o.group);
    std::optional<LabelBox> label;
    if (flight.drawing) {
      label = DrawEdgeMarker(flight, 510 + code, place, alpha,
                             o.name + " [" + ThousandsLabel(view.viewDistance) + "]", code * 10);
    }
    if (ClickedNear(flight, place.x + 32, place.y + 32, 30) || ClickedOnLabel(flight, label)) {
      world.flight.selectedObject = o.id;
    }
  } else if (flight.drawing) {
    DrawSprite(flight.media, o.type, 64, 0, place.x, place.y, alpha);
  }
}

}  // namespace

void DrawSystemObject(FlightContext& flight, const SystemObjectRecord& o) {
  if (o.type == 4000) return;
  World& world = flight.world;
  const float box = o.bound ? kObjectRange + 100000 : kObjectRange;
  if (!InBox(o.x, o.y, world.cameraX, world.cameraY, box)) return;
  ViewPoint view;
  if (!ViewTransform(world, o.x, o.y, kObjectRange, view)) return;
  world.flight.objectsNearby += 1;
  if (flight.drawing && view.viewDistance < o.radius + 800) DrawNear(flight, o, view);
  if (!OnScreen(view)) {
    MarkOffScreen(flight, o, view);
    return;
  }
  if (flight.drawing) DrawBracket(flight, view, MarkingCode(world, o.id, o.group), o.group);
  if (ClickedNear(flight, kShipScreenX + view.viewOffsetX, kShipScreenY + view.viewOffsetY, 60)) {
    world.flight.selectedObject = o.id;
  }
}
