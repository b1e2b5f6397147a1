#include "sysedit/document/save_checks.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "sysedit/document/document.h"
#include "sysedit/document/place_names.h"

namespace {

std::string Quote(const std::string& latin1) {
  return "„" + Latin1ToUtf8(latin1) + "“";
}

// `where` names the line; the label is the editor's own (UTF-8).
void CheckColumn(std::vector<std::string>& refusals, const std::string& where, const char* label,
                 const std::string& latin1, int width) {
  if (static_cast<int>(latin1.size()) <= width) return;
  refusals.push_back(where + ": „" + label + "“ hat " + std::to_string(latin1.size()) +
                     " Zeichen (" + Quote(latin1) + "), die Spalte fasst " + std::to_string(width) +
                     ".");
}

// The editor's label of each person field, in field order.
const std::pair<std::string_view, const char*> kPersonLabels[] = {
    {"mainKind", "Hauptart"},
    {"subKind", "Nebenart"},
    {"fromGroup", "von Gruppe:"},
    {"againstGroup", "gegen Gruppe:"},
    {"x", "X-Pos:"},
    {"y", "Y-Pos:"},
    {"shipCount", "Schiffsanzahl:"},
    {"infoPlace", "Info über Ort:"},
    {"price", "Preis:"},
};

const char* PersonLabel(std::string_view field) {
  for (const auto& [name, label] : kPersonLabels) {
    if (name == field) return label;
  }
  return "";
}

// Every text column of a person line holds 30 characters, every number column 10.
void CheckPerson(std::vector<std::string>& refusals, const std::string& where,
                 const PersonRecord& person) {
  ForEachField(person, [&](const char* field, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      CheckColumn(refusals, where, PersonLabel(field), value, 30);
    } else {
      CheckColumn(refusals, where, PersonLabel(field), FormatInt(value), 10);
    }
  });
}

}  // namespace

std::vector<std::string> SaveRefusals(const EditorDocument& document) {
  std::vector<std::string> refusals;
  for (const EditorPlace& place : document.places) {
    if (!IsPlainFileName(place.name)) {
      refusals.push_back("Ort " + Quote(place.name) +
                         ": Der Name ist kein einfacher Dateiname (kein / oder \\, nicht . oder "
                         ".., keine Leerzeichen am Rand). Bitte den Andockring umbenennen.");
    }
  }
  // Only the people of places that are written; a place name may stand twice (one file).
  std::vector<std::string> written;
  for (const EditorPlace& place : document.places) {
    if (std::find(written.begin(), written.end(), place.name) != written.end()) continue;
    written.push_back(place.name);
    int number = 0;
    for (const EditorPerson& person : document.people) {
      if (person.placeName != place.name) continue;
      CheckPerson(refusals, "Ort " + Quote(place.name) + ", Person " + std::to_string(++number),
                  person.record);
    }
  }
  for (size_t r = 0; r < document.routes.size(); ++r) {
    const EditorRoute& route = document.routes[r];
    for (int w = 0; w < UsedWaypointCount(route); ++w) {
      const std::string where =
          "Route " + std::to_string(r + 1) + ", Wegpunkt " + std::to_string(w + 1);
      CheckColumn(refusals, where, "X-Pos.:", FormatInt(route.waypoints[w].x), 10);
      CheckColumn(refusals, where, "Y-Pos.:", FormatInt(route.waypoints[w].y), 10);
    }
  }
  return refusals;
}
