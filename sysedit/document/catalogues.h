#pragma once

// What the editor reads once at start-up from its folder to fill its choice lists.

#include <filesystem>
#include <string>
#include <vector>

#include "formats/kind_defs.h"

struct EditorCatalogues {
  KindDefs elementDefs;                    // ElementDefs, from _Elemente.ini
  KindDefs peopleDefs;                     // PeopleDefs, from _Leute.ini
  std::vector<std::string> groupChoices;   // "(keine Gruppe)" and the choosable groups
  std::vector<std::string> shipNames;      // Raumschiffe.ini in file order
  std::vector<std::string> weaponNames;    // Waffen.ini
  std::vector<std::string> goodsNames;     // Waren.ini
  std::vector<std::string> goodsDefaults;  // each good's default stock figure (columns 21-30)
};

// Missing files give empty lists: the editor still opens, with nothing to choose.
EditorCatalogues LoadEditorCatalogues(const std::filesystem::path& folder);

// The editor's folder: VELMARITH_INI when set, else an INI folder beside the executable, else
// the current folder.
std::filesystem::path EditorFolder(const std::filesystem::path& executableFolder);
