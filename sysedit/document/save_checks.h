#pragma once

// What must hold before a system is written: every place file has a name of its own, and no line
// of fixed columns overflows a column (that would shift every later field of the line).

#include <string>
#include <vector>

struct EditorDocument;

// One German sentence (UTF-8) per problem, naming the place or route, the field and its value;
// empty when the document can be written.
std::vector<std::string> SaveRefusals(const EditorDocument& document);
