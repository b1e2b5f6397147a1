#pragma once

#include <filesystem>
#include <string>

#include "game/media/media.h"
#include "game/world/world_state.h"

// The docking request, made by Left Ctrl in flight and by the HUD's "Andocken" button: the
// selected docking ring or lane entry becomes the local ship's dock target (DockedPlace names the
// place), or a pending request is withdrawn. Nothing happens while the ship's drive is engaged
// or when no ring or lane entry is selected. A new request starts the place's announcement when
// its voice files exist ("WAV\<system>\<place>.wav").
void RequestDocking(World& world, Media& media, const std::filesystem::path& gameFolder);

// A docking ring's name without its " - Andockring": the place's name (empty for a shorter name).
std::string PlaceOfRing(const std::string& ringName);

// The docking announcement: while a docking request runs, the four voice clips 10..13 play one
// after another; the step advances only in frames in which no clip is playing.
void AdvanceAnnouncement(DockingState& docking, Media& media);
