#pragma once

#include <filesystem>
#include <string>

#include "game/world/cursor_list.h"

// Refills the list with the saved games of the folder: every "*.sav" file except
// "InternetFile.sav" and "Neuer Charakter.sav", without the extension, in directory order.
void ListSaveGames(CursorList<std::string>& names, const std::filesystem::path& saveFolder);
