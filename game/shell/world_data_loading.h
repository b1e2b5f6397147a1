#pragma once

struct Game;

// Start-up's reading of the universe: the element definitions (before the screen opens), then
// the places of every system and the catalogues with their pictures, each announced on the
// loading screen.
void LoadElementDefinitions(Game& game);
void LoadPlacesAndCatalogues(Game& game);

// Reads the group table again: every new game starts from the authored attitudes.
void ReloadGroups(Game& game);
