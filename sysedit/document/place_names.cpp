#include "sysedit/document/place_names.h"

#include "formats/text_rules.h"

bool IsPlainFileName(const std::string& latin1) {
  if (latin1.empty() || latin1 == "." || latin1 == "..") return false;
  if (TrimBlanks(latin1) != latin1) return false;
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f) return false;
  }
  return true;
}

PlaceNameFault CheckPlaceName(const std::string& latin1) {
  if (TrimBlanks(latin1).empty()) return PlaceNameFault::kEmpty;
  if (!IsPlainFileName(latin1)) return PlaceNameFault::kNotAFileName;
  if (static_cast<int>(latin1.size()) > kPlaceNameColumns) return PlaceNameFault::kTooLong;
  return PlaceNameFault::kNone;
}

const char* PlaceNameFaultText(PlaceNameFault fault) {
  switch (fault) {
    case PlaceNameFault::kNone:
      return "";
    case PlaceNameFault::kEmpty:
      return "Ein Andockring braucht einen Namen: er ist der Name seines Ortes.";
    case PlaceNameFault::kTooLong:
      return "Der Name eines Andockrings hat höchstens 30 Zeichen; so viele fasst die Spalte "
             "„Info über Ort“ der Leute.";
    case PlaceNameFault::kNotAFileName:
      return "Der Name eines Andockrings ist ein Dateiname: kein / oder \\, nicht . oder .., "
             "keine Steuerzeichen.";
  }
  return "";
}
