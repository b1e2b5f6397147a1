#pragma once

#include <string>
#include <vector>

// What a reader noticed while it read a file leniently: the game reads on regardless, the data
// checker reports each issue as "file:line: message". Lines are numbered from 1.
struct ReadIssue {
  int line = 0;
  std::string message;
};

using ReadIssues = std::vector<ReadIssue>;

// Adds an issue when the caller asked for them (issues may be null).
void NoteIssue(ReadIssues* issues, int line, std::string message);
