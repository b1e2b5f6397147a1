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
