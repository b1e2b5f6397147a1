// Scripts of scripted runs: any text is either refused with a message naming a line of the script
// (first) or read into commands in frame order, each with a known verb. A line "---" splits the
// input into the script and the one file its includes read, so that included lines, their frames,
// nesting and cycles are read too.
#include <algorithm>
#include <optional>

#include "game/shell/script_reader.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(FuzzBytes(data, size));
  const size_t split = input.find("\n---\n");
  const std::string text = input.substr(0, split);
  const std::optional<std::string> included =
      split == std::string::npos ? std::nullopt : std::optional(input.substr(split + 5));
  const ScriptFileReader read = [&](const std::string&) { return included; };
  ScriptRun script;
  std::string error;
  if (!ParseScript(text, "fuzz.txt", script, error, read)) {
    FuzzRequire(error.rfind("fuzz.txt:", 0) == 0, "a refusal names the script's line first");
    return 0;
  }
  FuzzRequire(std::is_sorted(
                  script.commands.begin(), script.commands.end(),
                  [](const ScriptCommand& a, const ScriptCommand& b) { return a.frame < b.frame; }),
              "commands in frame order");
  for (const ScriptCommand& command : script.commands) {
    FuzzRequire(command.frame >= 1, "frames count from 1");
    FuzzRequire(command.place.rfind("fuzz.txt:", 0) == 0, "a command names the script's line");
    const std::string& verb = command.verb;
    FuzzRequire(verb == "key" || verb == "mouse" || verb == "button" || verb == "click" ||
                    verb == "type" || verb == "pad" || verb == "padaxis" || verb == "screenshot" ||
                    verb == "dump" || verb == "expect" || verb == "wait" || verb == "quit",
                "only known verbs; includes are read in place");
    if (verb == "padaxis") {
      FuzzRequire(command.level >= -1 && command.level <= 1, "a pad axis lies in -1..1");
    }
    if (verb == "click") {
      FuzzRequire(!command.caption.empty() && command.frame >= 2, "a click has a caption");
    }
  }
  return 0;
}
