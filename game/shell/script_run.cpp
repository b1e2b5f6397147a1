#include "game/shell/script_run.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "formats/file_io.h"
#include "formats/json_value.h"
#include "formats/latin1.h"
#include "formats/text_rules.h"
#include "game/media/gamepad.h"
#include "game/media/text_input.h"
#include "game/shell/game.h"
#include "game/shell/script_click.h"
#include "game/shell/state_dump.h"

namespace {

// Ends the run as failed.
void Fail(Game& game, ScriptRun& script) {
  script.status = 1;
  game.media.quitRequested = true;
}

// Moves the pointer onto the menu item a click names; false (and the run failed) when the screen
// shown now has no such item.
bool PointAtItem(Game& game, ScriptRun& script, const ScriptCommand& command) {
  ClickSpot spot;
  if (game.loop.menuRunning) {
    spot = FindClickSpot(game.menu.menuItems, command.caption);
  } else {
    spot.problem =
        "no menu is shown (the flight screen's buttons are clicked with mouse and button)";
  }
  if (spot.found) {
    InjectMouseMove(game.media, spot.x, spot.y);
    return true;
  }
  std::fprintf(stderr, "%s: frame %d: click \"%s\": %s\n", command.place.c_str(), command.frame,
               Latin1ToUtf8(command.caption).c_str(), spot.problem.c_str());
  Fail(game, script);
  return false;
}

// Gives one command's input; false when the run failed there.
bool ApplyInput(Game& game, ScriptRun& script, const ScriptCommand& command) {
  if (command.verb == "key") InjectKey(game.media, command.a, command.b == 1);
  if (command.verb == "type") InjectText(game.media, command.text);
  if (command.verb == "mouse") InjectMouseMove(game.media, command.a, command.b);
  if (command.verb == "button") InjectMouseButton(game.media, command.a, command.b == 1);
  if (command.verb == "pad") InjectPadButton(game.media, command.a, command.b == 1);
  if (command.verb == "padaxis") InjectPadAxis(game.media, command.a, command.level);
  if (command.verb == "click") return PointAtItem(game, script, command);
  return true;
}

// A text holding the wanted text, or a list (of texts, or of records with a text field) with an
// element that is the wanted text.
bool ContainsText(const JsonValue& found, const std::string& wanted) {
  if (found.kind == JsonValue::Kind::kText) return found.text.find(wanted) != std::string::npos;
  if (found.kind != JsonValue::Kind::kArray) return false;
  for (const JsonValue& item : found.items) {
    if (item.kind == JsonValue::Kind::kText && item.text == wanted) return true;
    for (const auto& [key, field] : item.fields) {
      if (field.kind == JsonValue::Kind::kText && field.text == wanted) return true;
    }
  }
  return false;
}

// Whether the dumped value satisfies the comparison; texts compare by bytes, numbers by value, and
// "contains" finds a text inside a text, or an element of a list holding it.
bool Holds(const JsonValue& found, const std::string& op, const std::string& expected) {
  const bool text = expected.front() == '"';
  const std::string wanted = text ? expected.substr(1, expected.size() - 2) : expected;
  if (op == "contains") return ContainsText(found, wanted);
  if (text) {
    if (found.kind != JsonValue::Kind::kText) return false;
    if (op == "==") return found.text == wanted;
    if (op == "!=") return found.text != wanted;
    return false;
  }
  if (found.kind != JsonValue::Kind::kNumber) return false;
  const double a = found.number;
  const double b = ReadDecimal(wanted);
  if (op == "==") return a == b;
  if (op == "!=") return a != b;
  if (op == "<") return a < b;
  if (op == "<=") return a <= b;
  if (op == ">") return a > b;
  return a >= b;
}

// Whether the check holds now; when not, and `report`, says what was found instead.
bool CheckExpectation(Game& game, const ScriptRun& script, const ScriptCommand& command,
                      bool report = true) {
  const std::optional<JsonValue> dump = ParseJson(DumpState(game, script.frame));
  const JsonValue* found = dump ? FindJsonPath(*dump, command.path) : nullptr;
  if (found && Holds(*found, command.op, command.value)) return true;
  if (report) {
    std::fprintf(stderr, "%s: frame %d: %s %s %s %s, found %s\n", command.place.c_str(),
                 script.frame, command.verb == "wait" ? "waited in vain for" : "expected",
                 command.path.c_str(), command.op.c_str(), command.value.c_str(),
                 found ? JsonValueText(*found).c_str() : "nothing there");
  }
  return false;
}

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// A wait at the head of the script: true while it still holds the script back.
bool Waiting(Game& game, ScriptRun& script, const ScriptCommand& command) {
  const bool timedOut =
      script.waitingSince >= 0 && SteadySeconds() - script.waitingSince > script.waitSeconds;
  if (CheckExpectation(game, script, command, timedOut)) {
    script.waitingSince = -1;
    return false;
  }
  if (timedOut) {
    script.waitingSince = -1;
    Fail(game, script);
    return false;
  }
  if (script.waitingSince < 0) script.waitingSince = SteadySeconds();
  // The answer comes from elsewhere; the frames need not spin the processor meanwhile.
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return true;
}

// The press of a click due next frame would begin on a screen too new to take it (a player's
// press does nothing there either), so the script stands still until it would not.
bool PressTooEarly(const Game& game, const ScriptRun& script) {
  const int frame = script.frame + 1;
  for (size_t i = script.next; i < script.commands.size(); ++i) {
    const ScriptCommand& command = script.commands[i];
    if (command.frame > frame) break;
    if (command.frame == frame && command.clickPress) {
      return game.loop.menuRunning && game.menu.framesOnScreen + 1 <= kFreshScreenFrames;
    }
  }
  return false;
}

void CarryOut(Game& game, ScriptRun& script, const ScriptCommand& command) {
  if (command.verb == "screenshot") {
    GrabScreen(game.media, 1000, 0, 0, kScreenWidth, kScreenHeight);
    if (!SavePicture(game.media, 1000, command.file)) {
      std::fprintf(stderr, "script: cannot write %s\n", command.file.c_str());
      script.status = 1;
    }
  } else if (command.verb == "dump") {
    const WriteResult written = WriteFileAtomically(command.file, DumpState(game, script.frame));
    if (!written.ok) {
      std::fprintf(stderr, "script: %s\n", written.message.c_str());
      script.status = 1;
    }
  } else if (command.verb == "expect") {
    if (!CheckExpectation(game, script, command)) Fail(game, script);
  } else if (command.verb == "quit") {
    game.media.quitRequested = true;
  }
}

// Gives the input of the given frame.
void FeedInput(Game& game, ScriptRun& script, int frame) {
  for (size_t i = script.next; i < script.commands.size(); ++i) {
    const ScriptCommand& command = script.commands[i];
    if (command.frame > frame) break;
    if (command.frame == frame && !ApplyInput(game, script, command)) return;
  }
}
}  // namespace

void AttachScript(Game& game, ScriptRun& script) {
  script.frame = 0;
  script.next = 0;
  FeedInput(game, script, 1);
  AddFrameHook(game.hooks, [&game, &script] { OnScriptFrame(game, script); });
}

void OnScriptFrame(Game& game, ScriptRun& script) {
  if (script.waitingSince < 0 && !script.pressHeld) script.frame += 1;
  while (script.next < script.commands.size() &&
         script.commands[script.next].frame <= script.frame) {
    const ScriptCommand& command = script.commands[script.next];
    if (command.verb == "wait") {
      if (Waiting(game, script, command)) return;
    } else {
      CarryOut(game, script, command);
    }
    script.next += 1;
  }
  script.pressHeld = PressTooEarly(game, script);
  if (!script.pressHeld) FeedInput(game, script, script.frame + 1);
  // A headless run whose script has run out ends rather than spinning on unseen.
  if (game.media.headless && script.next >= script.commands.size()) {
    game.media.quitRequested = true;
  }
}
