#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Lines of the settings file this game does not write itself, kept so that writing the file
// again loses nothing a person or another version put there. `header` is the group line as it
// stood ("" for lines before the first group).
struct KeptSettingsGroup {
  std::string header;
  std::vector<std::string> lines;
};

// Who draws the window's frames, as the player chose it ("auto", "cpu", "gpu" in the file).
enum class RendererSetting { kAuto, kCpu, kGpu };

// Volumes run from silent to full in steps of this size.
inline constexpr int kVolumeStep = 10;
inline constexpr int kFullVolume = 100;

// Konfigurationen.ini: the user settings kept between runs.
struct Settings {
  int routePlasmaAmount = 2;
  std::string myAccountId;
  // The account id that was stored before the last one replaced it, offered back on the account
  // screen: a mistyped server address or another server must not lose the key to one's characters.
  std::string previousAccountId;
  bool fullscreen = true;
  RendererSetting renderer = RendererSetting::kAuto;
  int effectsVolume = kFullVolume;       // shots, explosions, the menu's clicks
  int announcementVolume = kFullVolume;  // the docking announcement
  std::vector<KeptSettingsGroup> keptGroups;
};

// The longest account id: what the account screen's text field takes.
inline constexpr std::size_t kMaxAccountIdLength = 30;

// Reads the settings; a missing file, group or key keeps the defaults.
void LoadSettings(Settings& settings, const std::filesystem::path& file);

// Writes the file anew: the two fixed groups with their comment and value lines first, then the
// game's own group, then every other line the file had; a file that cannot be written keeps the
// settings in memory only.
bool SaveSettings(const Settings& settings, const std::filesystem::path& file);

// The file's text as SaveSettings writes it.
std::string FormatSettings(const Settings& settings);

// Reads settings from the file's text. A value that is not one the setting takes gives its
// default; a volume is brought into 0..100 and onto the nearest step.
Settings ParseSettings(const std::string& bytes);

// The renderer's word in the file.
const char* RendererSettingName(RendererSetting renderer);

// A volume one step up or down, kept within 0..100.
int SteppedVolume(int volume, int steps);

// Whether a text can be an account id: not empty, at most as long as the account screen's field
// takes, no control characters (it is stored on a line of its own).
bool IsUsableAccountId(const std::string& id);

// An account id confirmed by the player is stored: an id stored before that differs from it is
// kept as the previous one, and the lines of the file the game does not know stay.
void StoreAccountId(Settings& settings, const std::filesystem::path& file);

// A setting changed on a settings screen is stored, with the lines of the file the game does not
// know (someone may have edited the file since it was read).
void StoreSettings(Settings& settings, const std::filesystem::path& file);
