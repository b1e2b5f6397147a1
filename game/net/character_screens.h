#pragma once

#include <string>

#include "game/net/net_context.h"

// The network screens of the menu system: the connection screen (17), the account screen (172),
// the character list (171) with selecting (1711..1715), creating (1717, 17171, 17172), deleting
// (1718) and joining (1719), and the error screens (173, 174, 171721).

// Screen tags the menus' polling looks at.
inline const std::string kTagConnecting = "Verbinden";
inline const std::string kTagList = "Liste";
inline const std::string kTagCreate = "Erstellen";
inline const std::string kTagDelete = "L\xF6schen";
inline const std::string kTagJoin = "Load";
inline const std::string kTagAccount = "NeueID";
inline const std::string kTagKeptGame = "Fortsetzen";

// The account screen's line offering the id stored before, followed by that id.
inline const std::string kPreviousAccountCaption = "Bisherige Account-ID: ";

// The settings file in the game folder.
inline constexpr const char* kSettingsFile = "Konfigurationen.ini";

// The caption of the connection screen's line while connecting.
inline const std::string kConnectingCaption = "Verbindungsaufbau .";

// The character list's line after leaving flight with a mission running: a character's game on
// the server holds no mission, so it ends there.
inline const std::string kMissionEndedCaption = "Ihr laufender Auftrag endete beim Verlassen.";

// Whether the code is one of these screens or actions.
bool IsNetScreenCode(int code);

// Builds the screen of the code or carries out its action.
void RunNetScreenCode(NetContext& context, int code);

// The main menu ends network play: the connection is closed and the game is no network game any
// more (a later free game runs as single play). An account id shown on the account screen but
// not confirmed with "Weiter" gives way to the stored one again.
void LeaveNetworkPlay(NetContext& context);
