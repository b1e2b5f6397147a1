#pragma once

struct Game;

// The station screen (code 0): the welcome title, the services and the ways out.
void BuildStationScreen(Game& game);

// Copies the docked place's four offer lines into the station's working copies.
void TakeOffersFromPlace(Game& game);

// Writes the working copies back into the docked place's record (nothing when not docked at a
// known place).
void ReturnOffersToPlace(Game& game);

// Reads the people of the docked place from its place file; none when it cannot be read.
void ReadStationPeople(Game& game);

// Draws whether each person is present this visit.
void RollPresence(Game& game);
