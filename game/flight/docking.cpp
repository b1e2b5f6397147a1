#include "game/flight/docking.h"

#include <string>

#include "formats/latin1.h"
#include "formats/object_kinds.h"

namespace {

constexpr size_t kRingNameSuffix = 13;  // " - Andockring"

const SystemObjectRecord* SelectedDockingObject(const World& world) {
  for (const SystemObjectRecord& object : world.visit.systemObjects) {
    if (object.id == world.flight.selectedObject && IsDockable(object.type)) return &object;
  }
  return nullptr;
}

// Loads the place's four voice parts; false when the place has no voice of its own.
bool LoadAnnouncement(const World& world, Media& media, const std::filesystem::path& gameFolder,
                      const std::string& place) {
  const std::string folder = "WAV\\" + world.visit.currentSystemFolder + "\\";
  const std::filesystem::path own = DataPath(gameFolder, folder + place + ".wav");
  if (!std::filesystem::is_regular_file(own)) return false;
  LoadClip(media, kSoundDockingVoice1, DataPath(gameFolder, folder + "Hier_.wav").string());
  LoadClip(media, kSoundDockingVoice2, own.string());
  LoadClip(media, kSoundDockingVoice3,
           DataPath(gameFolder, folder + "Andockerlaubnis_.wav").string());
  LoadClip(media, kSoundDockingVoice4, DataPath(gameFolder, folder + "_erteilt.wav").string());
  return true;
}

}  // namespace

void RequestDocking(World& world, Media& media, const std::filesystem::path& gameFolder) {
  ShipRecord* ship = world.ships.Front();
  if (!ship || ship->driveSpeed >= 1) return;
  const SystemObjectRecord* object = SelectedDockingObject(world);
  if (!object) return;
  if (ship->dockTarget != -1) {
    // Withdrawn: DockedPlace keeps the name asked for, and no permission is announced.
    ship->dockTarget = -1;
    return;
  }
  ship->dockTarget = object->id;
  const std::string place = PlaceOfRing(object->name);
  // A lane entry is no place: its shortened name only looks for a voice, and must not make the
  // game believe the player is at a station.
  if (object->type == kObjectDockingRing) world.docking.dockedPlace = place;
  if (LoadAnnouncement(world, media, gameFolder, place)) world.docking.announcementStep = 1;
}

std::string PlaceOfRing(const std::string& ringName) {
  if (ringName.size() <= kRingNameSuffix) return "";
  return ringName.substr(0, ringName.size() - kRingNameSuffix);
}

void AdvanceAnnouncement(DockingState& docking, Media& media) {
  int& step = docking.announcementStep;
  if (step <= 0 || ClipPlaying(media)) return;
  step += 1;
  // Each clip starts once, on the step it belongs to; the next step waits until it has ended.
  if (step == 4) PlayClip(media, kSoundDockingVoice1);
  if (step == 8) PlayClip(media, kSoundDockingVoice2);
  if (step == 12) PlayClip(media, kSoundDockingVoice3);
  if (step == 16) PlayClip(media, kSoundDockingVoice4);
  if (step >= 20) step = 0;
}
