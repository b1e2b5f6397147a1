#pragma once

// The codes of the network screens besides those of game/ui/screen_codes.h (the connection
// screen 17, the character list 171 and 17191, a received game leaving the menu to flight).
enum NetScreenCode {
  kAccountScreen = 172,
  kNoServerAddressScreen = 173,
  kNoConnectionScreen = 174,
  kSelectCharacterFirst = 1711,  // 1711..1715: select character 1..5
  kSelectCharacterLast = 1715,
  kCreateScreen = 1717,
  kDeleteCharacter = 1718,
  kJoinCharacter = 1719,
  kEditAccountId = 1721,
  kTakePreviousAccountId = 1722,  // the account screen's "Bisherige Account-ID" line
  kKeptGameQuestion = 1723,       // fly on from the game kept unsent?
  kResumeKeptGame = 1724,
  kDropKeptGame = 1725,
  kGameNotSentScreen = 1726,  // Escape found no connection: the game is kept here only
  kEditNewName = 17171,
  kSendCreate = 17172,
  kNameTakenScreen = 171721,
};
