#include "game/ui/settings_screens.h"

#include "formats/media_numbers.h"
#include "game/ui/controls_screen.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

namespace {

const char* RendererWord(RendererChoice choice) {
  switch (choice) {
    case RendererChoice::kCpu:
      return "CPU";
    case RendererChoice::kGpu:
      return "GPU";
    case RendererChoice::kAuto:
      break;
  }
  return "automatisch";
}

RendererSetting NextRenderer(RendererSetting renderer) {
  switch (renderer) {
    case RendererSetting::kAuto:
      return RendererSetting::kCpu;
    case RendererSetting::kCpu:
      return RendererSetting::kGpu;
    case RendererSetting::kGpu:
      break;
  }
  return RendererSetting::kAuto;
}

// "Grafik": the display switches at once, as Alt+Enter switches it; the renderer is chosen when
// the window opens, so a new choice waits for the next start.
void BuildGraphicsScreen(SettingsContext& c) {
  MenuState& menu = c.menu;
  AddItem(menu, kTextLine, 50, 50, "Grafik", -1);
  AddItem(menu, kButton, 50, 150, IsFullscreen(c.media) ? "Anzeige: Vollbild" : "Anzeige: Fenster",
          kToggleFullscreen);
  AddItem(menu, kTextLine, 50, 200, "Wechselt sofort, wie Alt+Eingabe.", -1);
  AddItem(menu, kButton, 50, 300,
          std::string("Renderer: ") + RendererWord(RendererChoiceOf(c.settings)), kNextRenderer);
  AddItem(menu, kTextLine, 50, 350,
          "Wirkt beim n\xE4"
          "chsten Start.",
          -1);
  RendererChoice forced = RendererChoice::kAuto;
  if (RendererChoiceFromEnvironment(forced)) {
    AddItem(menu, kTextLine, 50, 400,
            std::string("VELMARITH_RENDERER=") + RendererChoiceName(forced) + " gilt stattdessen.",
            -1);
  }
  AddItem(menu, kButton, 50, 700, kBackCaption, kSettingsScreen);
  menu.screenState = kGraphicsSettings;
}

void AddVolumeRows(MenuState& menu, int y, const std::string& name, int volume, int quieter,
                   int louder) {
  AddItem(menu, kTextLine, 50, y, "Lautst\xE4rke der " + name + ": " + std::to_string(volume), -1);
  AddItem(menu, kButton, 50, y + 50, name + " leiser", quieter);
  AddItem(menu, kButton, 300, y + 50, name + " lauter", louder);
}

// "Sound": both volumes in steps, heard from the next clip on.
void BuildSoundScreen(SettingsContext& c) {
  AddItem(c.menu, kTextLine, 50, 50, "Sound", -1);
  AddVolumeRows(c.menu, 150, "Effekte", c.settings.effectsVolume, kEffectsQuieter, kEffectsLouder);
  AddVolumeRows(c.menu, 300, "Ansagen", c.settings.announcementVolume, kAnnouncementsQuieter,
                kAnnouncementsLouder);
  AddItem(c.menu, kButton, 50, 700, kBackCaption, kSettingsScreen);
  c.menu.screenState = kSoundSettings;
}

void ChangeVolume(SettingsContext& c, int& volume, int steps) {
  volume = SteppedVolume(volume, steps);
  ApplySoundSettings(c.media, c.settings);
  StoreSettings(c.settings, c.file);
}

// A switch acts once per click: a press held on it would otherwise flip it every frame.
void Switch(SettingsContext& c, int code) {
  if (c.leftButtonState == 3) return;
  if (code == kToggleFullscreen) {
    SetFullscreen(c.media, !IsFullscreen(c.media));
    c.settings.fullscreen = IsFullscreen(c.media);
  } else {
    c.settings.renderer = NextRenderer(c.settings.renderer);
  }
  StoreSettings(c.settings, c.file);
}

}  // namespace

void RunSettingsScreenCode(SettingsContext& c, int code) {
  switch (code) {
    case kControlsSettings:
      BuildControlsScreen(c.menu);
      return;
    case kToggleFullscreen:
    case kNextRenderer:
      Switch(c, code);
      [[fallthrough]];
    case kGraphicsSettings:
      BuildGraphicsScreen(c);
      return;
    case kEffectsQuieter:
    case kEffectsLouder:
      ChangeVolume(c, c.settings.effectsVolume, code == kEffectsLouder ? 1 : -1);
      break;
    case kAnnouncementsQuieter:
    case kAnnouncementsLouder:
      ChangeVolume(c, c.settings.announcementVolume, code == kAnnouncementsLouder ? 1 : -1);
      break;
    default:
      break;
  }
  BuildSoundScreen(c);
}

void ApplySoundSettings(Media& media, const Settings& settings) {
  SetClipVolume(media, 0, kPictureSlots - 1, settings.effectsVolume);
  SetClipVolume(media, kSoundDockingVoice1, kSoundDockingVoice4, settings.announcementVolume);
}

RendererChoice RendererChoiceOf(const Settings& settings) {
  switch (settings.renderer) {
    case RendererSetting::kCpu:
      return RendererChoice::kCpu;
    case RendererSetting::kGpu:
      return RendererChoice::kGpu;
    case RendererSetting::kAuto:
      break;
  }
  return RendererChoice::kAuto;
}
