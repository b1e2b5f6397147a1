#pragma once

#include <filesystem>
#include <string>

// Konfigurationen.ini: the two user settings kept between runs.
struct Settings {
  int routePlasmaAmount = 2;
  std::string myAccountId;
};

// Reads the settings; a missing file, group or key keeps the defaults.
void LoadSettings(Settings& settings, const std::filesystem::path& file);

// Writes the six lines anew; a file that cannot be written keeps the settings in memory only.
bool SaveSettings(const Settings& settings, const std::filesystem::path& file);

// The file's text as SaveSettings writes it.
std::string FormatSettings(const Settings& settings);

// Reads settings from the file's text.
Settings ParseSettings(const std::string& bytes);
