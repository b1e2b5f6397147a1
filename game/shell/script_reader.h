#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A scripted run: timed input, screenshots, state dumps and checks, read from a small UTF-8 text
// file. One command a line, "#" starts a comment (outside quotes); frames count every finished
// frame of any loop, from 1:
//   <frame> key <scancode> down|up
//   <frame> mouse <x> <y>
//   <frame> button left|right down|up
//   <frame> click "<caption>"             the menu item of that caption, clicked (below)
//   <frame> type "<text>"                 typed characters, as the system's text input gives them
//   <frame> pad <button> down|up          a b x y back start lb rb up down left right
//   <frame> padaxis <axis> <value>        leftx lefty rightx righty (-1..1), lt rt (0..1)
//   <frame> include <file>                another script's lines, its frame 1 at this frame
//   <frame> screenshot <file.bmp>
//   <frame> dump <file.json>
//   <frame> expect <path> <op> <value>    op: == != < <= > >= contains
//   <frame> wait <path> <op> <value>      the script holds until the check holds
//   <frame> quit
// A click moves the pointer onto the first shown menu item with that caption at its frame,
// presses the left button one frame later and lets it go three frames after that. The caption is
// compared in the game's 8-bit text, so "Zurück" is written as it reads. An include's path is
// taken from the including file's folder; the file's lines run as if written in place, with their
// frames counted from the including line's frame.
// An expectation looks at the state dump of that frame: `Ships[0].money == 10000`,
// `MenuItems contains "Willkommen auf Planet Neue Allianz"`. The first one that fails ends the
// run with status 1, naming the line, the frame, the path and what it found. A wait is for what
// the game does not decide alone (a server's answer): the game runs on, but the script's frame
// count stands still and no input is given until the check holds after some frame; when it has
// not held for kScriptWaitSeconds the run fails as an expectation does.
struct ScriptCommand {
  int frame = 0;
  int line = 0;       // in the script file; for a line of an included file, the including line
  std::string place;  // "script.txt:12", or "script.txt:3: in start.txt:5" for an included line
  std::string verb;
  int a = 0;         // scan code, x, button (1 left, 2 right), or the pad's button or axis
  int b = 0;         // y, or 1 down / 0 up
  std::string file;  // screenshot and dump
  std::string path;  // expect: where in the dump
  std::string op;
  std::string value;        // expect: a number, or a text in double quotes (quotes kept)
  std::string caption;      // click: the item's caption in the game's 8-bit text
  bool clickPress = false;  // the press of a click: it waits for a screen that takes presses
  std::string text;         // type: the typed characters, UTF-8
  float level = 0;          // padaxis: where the stick or trigger stands
};

// How long a `wait` holds the script before the run fails.
inline constexpr double kScriptWaitSeconds = 60;

// How deep includes may nest: a script, the file it includes, and so on.
inline constexpr int kScriptIncludeDepth = 8;

// The press and release of a click, in frames after its pointer move.
inline constexpr int kClickPressDelay = 1;
inline constexpr int kClickReleaseDelay = 4;

struct ScriptRun {
  std::string name;                     // the file, for messages
  std::vector<ScriptCommand> commands;  // in frame order
  int frame = 0;                        // the last finished frame the script counted
  size_t next = 0;                      // the first command not yet carried out
  int status = 0;                       // exit status of the run

  double waitingSince = -1;  // seconds on a steady clock while a `wait` holds, else -1
  bool pressHeld = false;    // a click's press waits for the menu's screen to take presses
  double waitSeconds = kScriptWaitSeconds;  // how long a wait may hold the script
};

// Reads a file a script includes; nothing when it cannot be read.
using ScriptFileReader = std::function<std::optional<std::string>(const std::string& path)>;

// Parses a script, with the files it includes (read from disk unless `readFile` is given); false
// with a message naming the file and line of the first bad line, and the including lines before
// it.
bool ParseScript(const std::string& text, const std::string& name, ScriptRun& script,
                 std::string& error, const ScriptFileReader& readFile = {});
bool LoadScript(const std::string& file, ScriptRun& script, std::string& error);
