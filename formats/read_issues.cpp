#include "formats/read_issues.h"

#include <utility>

void NoteIssue(ReadIssues* issues, int line, std::string message) {
  if (issues) issues->push_back({line, std::move(message)});
}
