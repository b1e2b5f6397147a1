#include "game/shell/script_reader.h"

#include <algorithm>
#include <sstream>

#include "formats/file_io.h"
#include "formats/text_rules.h"

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
  const bool quoted =
      command.value.size() >= 2 && command.value.front() == '"' && command.value.back() == '"';
  if (!quoted && !IsStrictDecimal(command.value)) {
    return "the value must be a number or a text in double quotes";
  }
  return "";
}
}  // namespace

bool ParseScript(const std::string& text, const std::string& name, ScriptRun& script,
                 std::string& error) {
  script = ScriptRun{};
  script.name = name;
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = WithoutComment(lines[i]);
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) continue;
    const std::string where = name + ":" + std::to_string(i + 1) + ": ";
    ScriptCommand command;
    if (words.size() < 2 || !ParseNumber(words[0], 1, 100000000, command.frame)) {
      error = where + "expected a frame number (1 or more) and a command";
      return false;
    }
    command.verb = words[1];
    command.line = static_cast<int>(i + 1);
    const std::string problem = command.verb == "expect" || command.verb == "wait"
                                    ? ParseExpectation(line, command)
                                    : ParseCommand(words, command);
    if (!problem.empty()) {
      error = where + problem;
      return false;
    }
    script.commands.push_back(command);
  }
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
