#pragma once

#include <string>
#include <vector>

#include "formats/protocol.h"

// Every message a client sends, with awkward values: negative numbers, Latin-1 text, empty text.
inline std::vector<NetMessage> SampleClientMessages() {
  return {
      NetHello{"K7QX2M9PLT4A"},
      NetHello{""},
      NetCreateCharacter{"K7QX2M9PLT4A", "J\xFCrgen"},
      NetDeleteCharacter{"K7QX2M9PLT4A", "Kira"},
      NetJoin{"K7QX2M9PLT4A", "Kira"},
      NetMovement{2001, 45001, -79300, 270, -1500, 12},
      NetMovement{-1, 2147483647, -2147483647 - 1, 0, 0, -3},
      NetChat{"Hallo an alle!"},
      NetChat{""},
      NetFile{std::string("\r\n\0\x01ZORQVANT", 13)},
  };
}

// Every message a server sends.
inline std::vector<NetMessage> SampleServerMessages() {
  return {
      NetNewAccount{"K7QX2M9PLT4A"},
      NetCharacterList{{"Kira", "J\xFCrgen"}},
      NetCharacterList{{}},
      NetCharacterList{{"A", "B", "C", "D", "E"}},
      NetNameTaken{},
      NetPlayerJoins{2, "Kira"},
      NetPlayerLeaves{3},
      NetPlayersPresent{{{2, "Kira"}, {7, "J\xFCrgen"}}},
      NetPlayersPresent{{}},
      NetPlayerMovement{4, {2003, -45001, 79300, 359, 45000, 0}},
      NetChatLine{50, "Kira: ", 20, "Treffen bei der Station"},
      NetFile{""},
      NetFile{std::string(3000, '\x7F')},
  };
}

inline std::string Concatenated(const std::vector<NetMessage>& messages) {
  std::string out;
  for (const NetMessage& message : messages) AppendMessage(out, message);
  return out;
}
