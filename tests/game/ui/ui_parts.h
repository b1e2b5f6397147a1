#pragma once

#include <filesystem>

#include "game/media/media.h"
#include "game/ui/ui_state.h"
#include "tests/game/support/media_fixture.h"

// What the buttons, texts and text boxes work on: the media and the UI's own state.
struct UiParts {
  Media media;
  UiState ui;
};

// Loads every picture of the numbering plan from the game folder, each with its quad of the same
// number, as start-up does; the sounds are left out.
void LoadEveryPlannedPicture(Media& media, const std::filesystem::path& folder);
