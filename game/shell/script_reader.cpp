#include "game/shell/script_reader.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <utility>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/text_rules.h"
#include "game/media/gamepad.h"

namespace {

bool ParseNumber(const std::string& word, int low, int high, int& value) {
  if (!IsStrictInt(word)) return false;
  value = ReadInt(word);
  return value >= low && value <= high;
}

bool ParseDirection(const std::string& word, int& down) {
  if (word == "down")
    down = 1;
  else if (word == "up")
    down = 0;
  else
    return false;
  return true;
}

// The script's names of the pad's buttons and axes, in the order of PadButton and PadAxis.
constexpr const char* kPadButtonNames[kPadButtons] = {"a",  "b",  "x",  "y",    "back", "start",
                                                      "lb", "rb", "up", "down", "left", "right"};
constexpr const char* kPadAxisNames[kPadAxes] = {"leftx", "lefty", "rightx", "righty", "lt", "rt"};

template <size_t N>
bool ParseName(const std::string& word, const char* const (&names)[N], int& index) {
  for (size_t i = 0; i < N; ++i) {
    if (word != names[i]) continue;
    index = static_cast<int>(i);
    return true;
  }
  return false;
}

// "<frame> pad <button> down|up" and "<frame> padaxis <axis> <value>".
std::string ParsePad(const std::vector<std::string>& words, ScriptCommand& command) {
  const size_t args = words.size() - 2;
  if (command.verb == "pad") {
    if (args != 2) return "expected: <frame> pad <button> down|up";
    if (!ParseName(words[2], kPadButtonNames, command.a)) {
      return "pad buttons are a b x y back start lb rb up down left right";
    }
    if (!ParseDirection(words[3], command.b)) return "expected down or up";
    return "";
  }
  if (args != 2) return "expected: <frame> padaxis <axis> <value>";
  if (!ParseName(words[2], kPadAxisNames, command.a)) {
    return "pad axes are leftx lefty rightx righty lt rt";
  }
  const bool trigger = command.a == kPadLeftTrigger || command.a == kPadRightTrigger;
  command.level = IsStrictDecimal(words[3]) ? static_cast<float>(ReadDecimal(words[3])) : -2;
  if (command.level < (trigger ? 0 : -1) || command.level > 1) {
    return trigger ? "a trigger's value must be a number from 0 to 1"
                   : "a stick's value must be a number from -1 to 1";
  }
  return "";
}

// Fills the command from the words after the frame number; an empty text when they fit.
std::string ParseCommand(const std::vector<std::string>& words, ScriptCommand& command) {
  const std::string& verb = command.verb;
  const size_t args = words.size() - 2;
  if (verb == "key") {
    if (args != 2) return "expected: <frame> key <scancode> down|up";
    if (!ParseNumber(words[2], 1, 255, command.a)) return "scan code must be 1..255";
    if (!ParseDirection(words[3], command.b)) return "expected down or up";
  } else if (verb == "mouse") {
    if (args != 2) return "expected: <frame> mouse <x> <y>";
    if (!ParseNumber(words[2], 0, 1023, command.a) || !ParseNumber(words[3], 0, 767, command.b)) {
      return "mouse position must lie on the 1024 x 768 screen";
    }
  } else if (verb == "button") {
    if (args != 2) return "expected: <frame> button left|right down|up";
    if (words[2] == "left")
      command.a = 1;
    else if (words[2] == "right")
      command.a = 2;
    else
      return "expected left or right";
    if (!ParseDirection(words[3], command.b)) return "expected down or up";
  } else if (verb == "pad" || verb == "padaxis") {
    return ParsePad(words, command);
  } else if (verb == "screenshot" || verb == "dump") {
    if (args != 1) return "expected: <frame> " + verb + " <file>";
    command.file = words[2];
  } else if (verb == "expect" || verb == "wait") {
    return "expected: <frame> " + verb + " <path> <op> <value>";  // handled by ParseExpectation
  } else if (verb == "quit") {
    if (args != 0) return "quit takes no arguments";
  } else {
    return "unknown command \"" + verb + "\"";
  }
  return "";
}

bool IsQuoted(const std::string& text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

bool IsComparison(const std::string& op) {
  return op == "==" || op == "!=" || op == "<" || op == "<=" || op == ">" || op == ">=" ||
         op == "contains";
}

// The line without its comment: "#" outside double quotes starts one.
std::string WithoutComment(const std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == '#' && !quoted) return line.substr(0, i);
  }
  return line;
}

// "<frame> expect|wait <path> <op> <value>": the value is the rest of the line, a number or a
// quoted text that may hold blanks.
std::string ParseExpectation(const std::string& line, ScriptCommand& command) {
  std::istringstream in(line);
  std::string frame, verb;
  in >> frame >> verb >> command.path >> command.op;
  std::getline(in, command.value);
  command.value = TrimBlanks(command.value);
  if (command.path.empty() || command.value.empty()) {
    return "expected: <frame> " + verb + " <path> <op> <value>";
  }
  if (!IsComparison(command.op)) return "unknown comparison \"" + command.op + "\"";
  if (!IsQuoted(command.value) && !IsStrictDecimal(command.value)) {
    return "the value must be a number or a text in double quotes";
  }
  return "";
}

// The words after "<frame> <verb>", trimmed.
std::string TextAfterVerb(const std::string& line) {
  std::istringstream in(line);
  std::string frame, verb, rest;
  in >> frame >> verb;
  std::getline(in, rest);
  return TrimBlanks(rest);
}

// "<frame> click "<caption>"": the caption, turned into the game's 8-bit text.
std::string ParseClick(const std::string& line, ScriptCommand& command) {
  const std::string rest = TextAfterVerb(line);
  if (!IsQuoted(rest)) return "expected: <frame> click \"<caption>\"";
  if (rest.size() == 2) return "the caption is empty";
  bool exact = true;
  command.caption = Utf8ToLatin1(rest.substr(1, rest.size() - 2), &exact);
  if (!exact) return "the caption holds a character the game's text does not have";
  // The input of frame 1 is given before the first screen is built.
  if (command.frame < 2) return "a click can begin at frame 2 at the earliest (no screen before)";
  return "";
}

// "<frame> type "<text>"": the text as the system's text input would give it (UTF-8), so that a
// script types as a player does on any keyboard layout. The game keeps what its text can hold.
std::string ParseType(const std::string& line, ScriptCommand& command) {
  const std::string rest = TextAfterVerb(line);
  if (!IsQuoted(rest) || rest.size() == 2) return "expected: <frame> type \"<text>\"";
  command.text = rest.substr(1, rest.size() - 2);
  return "";
}

// A click is three inputs: the pointer onto the item, then the left button down and up.
void AddClick(std::vector<ScriptCommand>& commands, const ScriptCommand& click) {
  commands.push_back(click);
  for (const auto& [delay, down] : {std::pair{kClickPressDelay, 1}, {kClickReleaseDelay, 0}}) {
    ScriptCommand button = click;
    button.verb = "button";
    button.frame = click.frame + delay;
    button.a = 1;
    button.b = down;
    button.clickPress = down == 1;
    button.caption.clear();
    commands.push_back(button);
  }
}

constexpr int kLastFrame = 100000000;

// One file being read: the script, or a file it includes.
struct ScriptFile {
  std::string name;            // as written, for messages
  std::filesystem::path path;  // for the cycle check and the folder of its own includes
  int frameOffset = 0;         // its frame n runs at frame n + frameOffset
  int line = 0;                // the script's line that included it; 0 for the script itself
  std::string placePrefix;     // "script.txt:3: in " for an included file
};

struct ScriptReading {
  const ScriptFileReader& readFile;
  std::vector<const ScriptFile*> open;  // the script, then each file included within the last
  std::vector<ScriptCommand> commands;
  std::string error;
};

bool ReadLines(ScriptReading& reading, const ScriptFile& file, std::string_view text);

// The lines of the file that `at` includes, in its place; false (with the error) when the file
// cannot be read, is already being read further up, or nests too deep.
bool ReadInclude(ScriptReading& reading, const ScriptFile& from, const ScriptCommand& at,
                 const std::string& written) {
  const std::filesystem::path path = (from.path.parent_path() / written).lexically_normal();
  for (const ScriptFile* open : reading.open) {
    if (open->path != path) continue;
    std::string chain;
    for (const ScriptFile* f : reading.open) chain += f->path.filename().string() + " -> ";
    reading.error = at.place + ": include cycle: " + chain + path.filename().string();
    return false;
  }
  if (static_cast<int>(reading.open.size()) >= kScriptIncludeDepth) {
    reading.error =
        at.place + ": includes nest deeper than " + std::to_string(kScriptIncludeDepth) + " files";
    return false;
  }
  const std::optional<std::string> text = reading.readFile(path.string());
  if (!text) {
    reading.error = at.place + ": cannot read the included file " + path.string();
    return false;
  }
  const ScriptFile included{written, path, at.frame - 1, at.line, at.place + ": in "};
  return ReadLines(reading, included, *text);
}

// The frame (an included file's counted from the including line) and the verb of a line; the
// problem when they do not fit, else "".
std::string ReadFrameAndVerb(const std::vector<std::string>& words, const ScriptFile& file,
                             ScriptCommand& command) {
  if (words.size() < 2 || !ParseNumber(words[0], 1, kLastFrame, command.frame)) {
    return "expected a frame number (1 or more) and a command";
  }
  command.frame += file.frameOffset;
  if (command.frame > kLastFrame) return "the frame lies past " + std::to_string(kLastFrame);
  command.verb = words[1];
  return "";
}

// The command of a line other than an include, added to the commands; the problem when the line
// does not fit, else "".
std::string ReadCommand(ScriptReading& reading, const std::vector<std::string>& words,
                        const std::string& line, ScriptCommand& command) {
  std::string problem;
  if (command.verb == "expect" || command.verb == "wait") {
    problem = ParseExpectation(line, command);
  } else if (command.verb == "click") {
    problem = ParseClick(line, command);
  } else if (command.verb == "type") {
    problem = ParseType(line, command);
  } else {
    problem = ParseCommand(words, command);
  }
  if (!problem.empty()) return problem;
  if (command.verb == "click") {
    AddClick(reading.commands, command);
  } else {
    reading.commands.push_back(command);
  }
  return "";
}

bool ReadLines(ScriptReading& reading, const ScriptFile& file, std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte order mark
  reading.open.push_back(&file);
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = WithoutComment(lines[i]);
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) continue;
    ScriptCommand command;
    command.line = file.line ? file.line : static_cast<int>(i + 1);
    command.place = file.placePrefix + file.name + ":" + std::to_string(i + 1);
    std::string problem = ReadFrameAndVerb(words, file, command);
    if (problem.empty() && command.verb == "include") {
      if (words.size() != 3) {
        problem = "expected: <frame> include <file>";
      } else if (!ReadInclude(reading, file, command, words[2])) {
        return false;  // the include has named its own error
      }
    } else if (problem.empty()) {
      problem = ReadCommand(reading, words, line, command);
    }
    if (!problem.empty()) {
      reading.error = command.place + ": " + problem;
      return false;
    }
  }
  reading.open.pop_back();
  return true;
}
}  // namespace

bool ParseScript(const std::string& text, const std::string& name, ScriptRun& script,
                 std::string& error, const ScriptFileReader& readFile) {
  const ScriptFileReader fromDisk = [](const std::string& path) { return ReadFileBytes(path); };
  ScriptReading reading{readFile ? readFile : fromDisk, {}, {}, {}};
  const ScriptFile top{name, std::filesystem::path(name).lexically_normal(), 0, 0, ""};
  script = ScriptRun{};
  script.name = name;
  if (!ReadLines(reading, top, text)) {
    error = reading.error;
    return false;
  }
  script.commands = std::move(reading.commands);
  std::stable_sort(
      script.commands.begin(), script.commands.end(),
      [](const ScriptCommand& a, const ScriptCommand& b) { return a.frame < b.frame; });
  return true;
}

bool LoadScript(const std::string& file, ScriptRun& script, std::string& error) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) {
    error = file + ": cannot read the script";
    return false;
  }
  return ParseScript(*bytes, file, script, error);
}
