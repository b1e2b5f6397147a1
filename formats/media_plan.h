#pragma once

#include <string>
#include <vector>

// The fixed numbering plan of the game folder's pictures and sounds: which file the game loads
// under which number, in loading order, grouped by the loading-screen step that announces them.
// The game loads exactly these files at start-up (every one must exist); the asset generator
// makes exactly these. Paths are data paths (Latin-1, "\" between parts).

struct PlannedFile {
  int number = 0;
  std::string dataPath;
};

struct PlannedGroup {
  int percent = 0;      // shown on the loading screen before the group
  std::string pattern;  // the text shown with it, e.g. "BMP\Symbole\*.bmp"
  std::vector<PlannedFile> files;
  bool sounds = false;  // sound clips instead of pictures
};

// The bitmap fonts (loaded before the loading screen can be drawn): pictures 103..165.
std::vector<PlannedFile> PlannedFontPictures();

// The loading-screen pictures 9000 and 9001.
std::vector<PlannedFile> PlannedLoadingPictures();

// The picture and sound groups of the loading screen, in loading order. A number may appear more
// than once: planets and suns are loaded from ".jpg" first and then from ".bmp" over them.
std::vector<PlannedGroup> PlannedMediaGroups();

// Every distinct data path of the plan (fonts, loading screen, pictures, sounds), once each.
std::vector<std::string> PlannedDataPaths();
