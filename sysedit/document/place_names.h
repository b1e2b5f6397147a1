#pragma once

// What a docking ring's name must be: it names the place file Orte\<name>.ini, the game reads it
// trimmed, and people name the place in a 30-character column.

#include <string>

// Width of the "Info über Ort" column of a person line.
inline constexpr int kPlaceNameColumns = 30;

enum class PlaceNameFault {
  kNone,
  kEmpty,         // nothing left after trimming
  kTooLong,       // longer than the person column
  kNotAFileName,  // a path part, path characters, control characters or outer blanks
};

// A name that names exactly one file directly in the Orte folder, as the game and the editor
// both map it: not empty, not "." or "..", no "/" or "\", no control characters, and no blanks
// at either end (they would be trimmed away when read).
bool IsPlainFileName(const std::string& latin1);

PlaceNameFault CheckPlaceName(const std::string& latin1);

// Why the name is refused, for a field's tooltip (UTF-8); empty for kNone.
const char* PlaceNameFaultText(PlaceNameFault fault);
