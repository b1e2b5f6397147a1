#include "game/save/save_screens.h"

#include <algorithm>
#include <cstdio>

#include "formats/latin1.h"
#include "formats/rounding.h"
#include "game/save/save_codes.h"
#include "game/save/save_game.h"
#include "game/save/save_list.h"
#include "game/ui/menu_items.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/ui/text_entry.h"

namespace {

// The two screens are laid out alike; these are their differences.
struct ListScreen {
  int screen;
  int arrowX;
  int listUp;
  int rowBase;
  int editName;
  int button;
  const char* title;
  const char* buttonCaption;
};

constexpr ListScreen kLoadScreenLayout{kLoadScreen,   450,         kLoadListUp,   kLoadRowBase,
                                       kLoadEditName, kLoadButton, "Spiel laden", "Laden"};
constexpr ListScreen kSaveScreenLayout{kSaveScreen,   550,         kSaveListUp,       kSaveRowBase,
                                       kSaveEditName, kSaveButton, "Spiel speichern", "Speichern"};

bool IsSaveScreenCode(int code) {
  return code == kSaveScreen || (code >= kSaveListUp && code <= kSaveButton) ||
         code == kGameSaved || code == kGameNotSaved;
}

int MaxScroll(const SaveState& save) {
  return std::max(0, save.saveFileNames.Count() - kVisibleSaveRows);
}

// The name field keeps what the player typed while the screen is rebuilt (scrolling, picking).
void TakeNameField(SaveContext& c) {
  if (c.menu.shownScreen != kLoadScreen && c.menu.shownScreen != kSaveScreen) return;
  for (const MenuItemRecord& item : c.menu.menuItems) {
    if (item.kind == kTextField) c.save.nameField = item.caption;
  }
}

void BuildListScreen(SaveContext& c, const ListScreen& layout) {
  MenuState& menu = c.menu;
  SaveState& save = c.save;
  save.saveListScroll = std::clamp(save.saveListScroll, 0, MaxScroll(save));
  ClearScreenItems(menu);
  AddItem(menu, kTextLine, 50, 50, layout.title, -1);
  AddItem(menu, kScrollArrow, layout.arrowX, 150, "/\\", layout.listUp);
  AddItem(menu, kScrollArrow, layout.arrowX, 500, "\\/", layout.listUp + 1);
  AddItem(menu, kScrollArrow, layout.arrowX,
          SaveListThumbY(save.saveListScroll, save.saveFileNames.Count()), "[]", -1);
  int position = 0;
  for (const std::string& name : save.saveFileNames) {
    const int row = ++position - save.saveListScroll;
    if (row >= 1 && row <= kVisibleSaveRows) {
      AddItem(menu, kSaveEntry, 50, 100 + 50 * row, name, layout.rowBase + row);
    }
  }
  AddItem(menu, kTextField, 50, 600, save.nameField, layout.editName);
  AddRightAlignedButton(menu, 600, layout.buttonCaption, layout.button);
  AddItem(menu, kButton, 50, 700, kBackCaption, kMainMenu);
  menu.screenState = layout.screen;
}

// Picking a visible row copies its name into the name field and the text-entry buffer.
void PickRow(SaveContext& c, int row) {
  const int position = c.save.saveListScroll + row;
  int p = 0;
  for (const std::string& name : c.save.saveFileNames) {
    if (++p != position) continue;
    c.save.nameField = name;
    c.ui.editBuffer = name;
    c.ui.editCursor = static_cast<int>(name.size());
  }
}

std::string GameLine(const SaveState& save) {
  return "Der Spielstand '" + save.resultName + "'";
}

void BuildSaveResult(SaveContext& c) {
  if (c.save.saveResult == 1) {
    ClearScreenItems(c.menu);
    AddItem(c.menu, kTextLine, 50, 50, "Speichern", -1);
    AddItem(c.menu, kTextLine, 50, 150, GameLine(c.save), -1);
    AddItem(c.menu, kTextLine, 50, 200, "wurde gespeichert.", -1);
    AddRightAlignedButton(c.menu, 600, "Weiter", kSaveScreen);
    c.menu.screenState = kGameSaved;
  } else {
    ShowErrorScreen(c.menu, {GameLine(c.save), "konnte nicht gespeichert werden."}, kSaveScreen);
    c.menu.screenState = kGameNotSaved;
  }
}

void BuildLoadFailure(SaveContext& c) {
  ShowErrorScreen(c.menu, {GameLine(c.save), "konnte nicht geladen werden."}, kLoadScreen);
  c.menu.screenState = kGameNotLoaded;
}

void Report(const char* what, const std::string& name, const std::string& error) {
  std::fprintf(stderr, "saved game '%s' %s: %s\n", Latin1ToUtf8(name).c_str(), what, error.c_str());
}

// "Speichern": the name shown in the field is the name saved under.
void SaveFromScreen(SaveContext& c) {
  SaveState& save = c.save;
  save.resultName = save.nameField;
  const SaveOutcome outcome = SaveGame(c.world, c.gameFolder, save.resultName);
  save.saveResult = outcome.ok ? 1 : 0;
  if (outcome.ok) {
    save.saveName = save.resultName;
    NoteGameSaved(save, c.world);
    ListSaveGames(save.saveFileNames, DataPath(c.gameFolder, "SAVE"));
  } else {
    Report("not saved", save.resultName, outcome.error);
  }
  BuildSaveResult(c);
}

// "Laden": a game that loads becomes the game in progress, and the menu loop enters its station.
void LoadFromScreen(SaveContext& c) {
  SaveState& save = c.save;
  save.resultName = save.nameField;
  const SaveOutcome outcome = LoadGame(c.world, c.gameFolder, c.rng, save.resultName);
  save.loadResult = outcome.ok ? 1 : 0;
  if (!outcome.ok) {
    Report("not loaded", save.resultName, outcome.error);
    BuildLoadFailure(c);
    return;
  }
  save.saveName = save.resultName;
  NoteGameSaved(save, c.world);
  c.menu.noGameInProgress = 0;
  c.menu.screenState = kGameLoaded;
}

void RunListCode(SaveContext& c, const ListScreen& layout, int code) {
  SaveState& save = c.save;
  if (code == layout.listUp) {
    if (save.saveListScroll > 0) save.saveListScroll -= 1;
  } else if (code == layout.listUp + 1) {
    if (save.saveListScroll < MaxScroll(save)) save.saveListScroll += 1;
  } else if (code > layout.rowBase && code <= layout.rowBase + kVisibleSaveRows) {
    PickRow(c, code - layout.rowBase);
  } else if (code == layout.editName) {
    BeginTextEntry(c.ui, save.nameField);
  } else if (code == layout.button) {
    if (layout.screen == kSaveScreen) {
      SaveFromScreen(c);
    } else {
      LoadFromScreen(c);
    }
    return;
  }
  BuildListScreen(c, layout);
}

}  // namespace

int SaveListThumbY(int scroll, int nameCount) {
  if (nameCount <= kVisibleSaveRows) return 180;
  return 180 + RoundToInt(scroll * 290.0 / (nameCount - kVisibleSaveRows));
}

void ForgetSaveName(SaveState& save) {
  save.saveName.clear();
  save.nameField.clear();
}

void RunSaveScreenCode(SaveContext& context, int code) {
  TakeNameField(context);
  if (code == kGameSaved || code == kGameNotSaved) {
    BuildSaveResult(context);
  } else if (code == kGameNotLoaded) {
    BuildLoadFailure(context);
  } else {
    RunListCode(context, IsSaveScreenCode(code) ? kSaveScreenLayout : kLoadScreenLayout, code);
  }
}
