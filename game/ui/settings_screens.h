#pragma once

#include <filesystem>

#include "game/media/media.h"
#include "game/ui/menu_state.h"
#include "game/world/settings.h"

// What the screens under "Einstellungen" work on: the settings, the file they are kept in and
// the media they take effect on.
struct SettingsContext {
  MenuState& menu;
  Media& media;
  Settings& settings;
  std::filesystem::path file;
  int leftButtonState;  // a held press repeats the volume steps, never a switch
};

// The screens "Steuerung", "Grafik" and "Sound" and the entries on them: a change takes effect at
// once where it can, is stored in the settings file, and the screen is built anew.
void RunSettingsScreenCode(SettingsContext& context, int code);

// The volumes of the settings on the clips: the docking announcement at the announcements'
// volume, every other clip at the effects' volume.
void ApplySoundSettings(Media& media, const Settings& settings);

// The renderer the settings ask for, as the screen opens with it.
RendererChoice RendererChoiceOf(const Settings& settings);
