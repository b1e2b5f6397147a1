#pragma once

#include <string>
#include <vector>

#include "formats/media_plan.h"

struct Game;

// Loads a picture of the numbering plan and creates its quad. False when the file cannot be
// loaded; `failedPath` then names it.
bool LoadPlannedPictures(Game& game, const std::vector<PlannedFile>& files,
                         std::string& failedPath);

// Loads every picture and sound group of the plan, drawing the loading screen before each group.
bool LoadMediaGroups(Game& game, std::string& failedPath);

// Creates the pictures the game draws into (text overlays, map layers, the fade quad).
void CreateWorkPictures(Game& game);
