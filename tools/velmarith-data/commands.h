#pragma once

#include <ostream>
#include <string>
#include <vector>

// The sub-commands of velmarith-data. Each takes the words after its name and returns the exit
// status; main.cpp lists them in its command table.

// "check <game folder> [--utf8]": 0 when the tree is clean, 1 with problems, 2 on bad usage.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// "dump <file> [--utf8]": prints what the readers make of one data file as JSON;
// "dump <file.sav> [<game folder>]" a saved game.
int RunDumpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// "template <file.sav> <game folder>": the save, checked against the folder's universe, becomes
// SAVE\Neuer Charakter.sav there, the game every new character of the game server starts with.
// 0 when written, 1 when the save does not fit or cannot be written, 2 on bad usage.
int RunTemplateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
