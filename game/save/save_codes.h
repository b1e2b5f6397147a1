#pragma once

// The codes of the save screen (14) and the load screen (13) besides the screens themselves.
enum SaveScreenCode {
  kSaveListUp = 20001,
  kSaveListDown = 20002,
  kSaveRowBase = 21000,  // + visible row 1..8: pick that row
  kSaveEditName = 21010,
  kSaveButton = 21011,  // "Speichern"
  kGameSaved = 210111,
  kGameNotSaved = 210112,

  kLoadListUp = 30001,
  kLoadListDown = 30002,
  kLoadRowBase = 31000,  // + visible row 1..8
  kLoadEditName = 31010,
  kLoadButton = 31011,  // "Laden"; success goes on with kGameLoaded
  kGameNotLoaded = 310112,
};

// Rows of the list shown at once.
inline constexpr int kVisibleSaveRows = 8;
