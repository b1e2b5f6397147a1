#include "game/ui/controls_screen.h"

#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

namespace {

// The lines stand closer than the screens' usual 50 pixels so that the whole list fits above
// the bottom row; an item's bar is 36 high.
constexpr int kFirstLineY = 150;
constexpr int kLineSpacing = 38;
constexpr int kLeftColumnX = 50;
constexpr int kRightColumnX = 530;
constexpr int kHeadingY = 100;

const char* const kKeyLines[] = {
    "W / S: schneller / langsamer",
    "V: Nachbrenner",
    "A / D: seitw\xE4rts",
    "Linke Maustaste halten: zum Zeiger lenken",
    "Leertaste: Lenken zum Zeiger an / aus",
    "Linksklick: Ziel w\xE4hlen",
    "Strg links: andocken / Route nehmen",
    "B halten: Traktorstrahl",
    "Rechte Maustaste: feuern",
    "F1: Einf\xFChrung   F5: Schnellspeichern",
    "F9: Entwicklerinfo   F10: Einstellungen",
    "F12: Bildschirmfoto",
    "Eingabe: Chat   Escape: Men\xFC",
    "Alt+Eingabe: Vollbild / Fenster",
};

const char* const kGamepadLines[] = {
    "Linker Stick: lenken (zur Stickrichtung)",
    "Rechter Trigger / RB: schneller",
    "Linker Trigger / LB: langsamer",
    "A: feuern (nach vorn)",
    "X: andocken / Route nehmen",
    "Y: n\xE4"
    "chstes Ziel (Andockring, Routeneingang)",
    "B halten: Traktorstrahl",
    "Start: Men\xFC (wie Escape)",
    "In Men\xFCs: Steuerkreuz oder Stick w\xE4hlt,",
    "A best\xE4tigt, B zur\xFC"
    "ck",
};

template <size_t n>
void AddColumn(MenuState& menu, int x, const char* heading, const char* const (&lines)[n]) {
  AddItem(menu, kTextLine, x, kHeadingY, heading, -1);
  int y = kFirstLineY;
  for (const char* line : lines) {
    AddItem(menu, kTextLine, x, y, line, -1);
    y += kLineSpacing;
  }
}

}  // namespace

void BuildControlsScreen(MenuState& menu) {
  AddItem(menu, kTextLine, 50, 50, "Steuerung", -1);
  AddColumn(menu, kLeftColumnX, "Tastatur und Maus:", kKeyLines);
  AddColumn(menu, kRightColumnX, "Gamepad:", kGamepadLines);
  AddItem(menu, kButton, 50, 700, kBackCaption, kSettingsScreen);
  menu.screenState = kControlsSettings;
}
