// Scripts of scripted runs: any text is either refused with a message naming a line or read into
// commands in frame order, each with a known verb.
#include <algorithm>

#include "game/shell/script_reader.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScriptRun script;
  std::string error;
  if (!ParseScript(std::string(FuzzBytes(data, size)), "fuzz.txt", script, error)) {
    FuzzRequire(error.rfind("fuzz.txt:", 0) == 0, "a refusal names the file and line");
    return 0;
  }
  FuzzRequire(std::is_sorted(
                  script.commands.begin(), script.commands.end(),
                  [](const ScriptCommand& a, const ScriptCommand& b) { return a.frame < b.frame; }),
              "commands in frame order");
  for (const ScriptCommand& command : script.commands) {
    FuzzRequire(command.frame >= 1, "frames count from 1");
    const std::string& verb = command.verb;
    FuzzRequire(verb == "key" || verb == "mouse" || verb == "button" || verb == "screenshot" ||
                    verb == "dump" || verb == "expect" || verb == "wait" || verb == "quit",
                "only known verbs");
  }
  return 0;
}
