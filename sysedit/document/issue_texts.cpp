#include "sysedit/document/issue_texts.h"

#include <regex>
#include <utility>
#include <vector>

namespace {

// Field names as the readers call them, and as the editor's labels say.
const std::pair<const char*, const char*> kFieldNames[] = {
    {"x", "X-Pos."},
    {"y", "Y-Pos."},
    {"direction", "Richtung"},
    {"rotation", "Rotation"},
    {"radius", "Radius"},
    {"length", "L\xe4nge"},
    {"group index", "Gruppennummer"},
    {"person x", "X-Pos"},
    {"person y", "Y-Pos"},
    {"ship count", "Schiffsanzahl"},
    {"price", "Preis"},
    {"waypoint x", "Wegpunkt X-Pos."},
    {"waypoint y", "Wegpunkt Y-Pos."},
    {"waypoint kind", "Wegpunktart"},
    {"route count", "Anzahl der Routen"},
};

std::string FieldName(const std::string& name) {
  for (const auto& [english, german] : kFieldNames) {
    if (name == english) return german;
  }
  return name;
}

std::string Quoted(const std::string& latin1) {
  return "\xbb" + latin1 + "\xab";
}

struct ReadRule {
  std::regex pattern;
  std::string (*german)(const std::smatch& match);
};

const std::vector<ReadRule>& ReadRules() {
  static const std::vector<ReadRule> rules = {
      {std::regex(R"re(^element header "(.*)" is not "\[group\]"$)re"),
       [](const std::smatch& m) {
         return "Kopfzeile " + Quoted(m[1]) + " hat nicht die Form \xbb[Gruppe]\xab";
       }},
      {std::regex(R"re(^(element )?record cut short by the end of the file$)re"),
       [](const std::smatch&) {
         return std::string("Eintrag bricht am Dateiende ab; was fehlt, gilt als leer oder 0");
       }},
      {std::regex(R"re(^line is skipped$)re"),
       [](const std::smatch&) {
         return std::string(
             "Zeile wird \xfc"
             "bersprungen");
       }},
      {std::regex(R"re(^empty (.+), read as 0$)re"),
       [](const std::smatch& m) { return Quoted(FieldName(m[1])) + " ist leer, gilt als 0"; }},
      {std::regex(R"re(^(.+) "(.*)" is not an integer, read as (.+)$)re"),
       [](const std::smatch& m) {
         return Quoted(FieldName(m[1])) + ": " + Quoted(m[2]) + " ist keine ganze Zahl, gilt als " +
                m[3].str();
       }},
      {std::regex(R"re(^(.+) "(.*)" is not a decimal number, read as (.+)$)re"),
       [](const std::smatch& m) {
         return Quoted(FieldName(m[1])) + ": " + Quoted(m[2]) + " ist keine Zahl, gilt als " +
                m[3].str();
       }},
      {std::regex(R"re(^person line longer than 190 characters; the rest is ignored$)re"),
       [](const std::smatch&) {
         return std::string("Personenzeile l\xe4nger als 190 Zeichen; der Rest wird nicht gelesen");
       }},
      {std::regex(R"re(^offer line is not a whole number of 30-character records; )re"
                  R"re(the last (\d+) characters are ignored$)re"),
       [](const std::smatch& m) {
         return "Angebotszeile ist kein Vielfaches von 30 Zeichen; die letzten " + m[1].str() +
                " Zeichen werden nicht gelesen";
       }},
      {std::regex(R"re(^expected "(.*)"; the line is skipped unread$)re"),
       [](const std::smatch& m) {
         return "erwartet war " + Quoted(m[1]) + "; die Zeile wird nicht gelesen";
       }},
      {std::regex(R"re(^place file cut short before its "\[Leute\]" line$)re"),
       [](const std::smatch&) {
         return std::string("Ortsdatei endet vor ihrer Zeile \xbb[Leute]\xab");
       }},
      {std::regex(R"re(^waypoint kind (.+) outside 1\.\.4$)re"),
       [](const std::smatch& m) { return "Wegpunktart " + m[1].str() + " liegt nicht in 1..4"; }},
      {std::regex(R"re(^line before the first route is skipped$)re"),
       [](const std::smatch&) {
         return std::string(
             "Zeile vor der ersten Route wird \xfc"
             "bersprungen");
       }},
      {std::regex(R"re(^route without a group name$)re"),
       [](const std::smatch&) { return std::string("Route ohne Gruppennamen"); }},
      {std::regex(R"re(^route has (\d+) waypoints, more than 31$)re"),
       [](const std::smatch& m) { return "Route hat " + m[1].str() + " Wegpunkte, mehr als 31"; }},
  };
  return rules;
}

// Common reasons of failed writes as the C library words them.
const std::pair<const char*, const char*> kReasons[] = {
    {"Is a directory", "an dieser Stelle steht ein Ordner"},
    {"Not a directory", "ein Teil des Pfades ist kein Ordner"},
    {"Permission denied", "keine Schreibrechte"},
    {"Operation not permitted", "nicht erlaubt"},
    {"No such file or directory", "der Ordner fehlt"},
    {"No space left on device", "kein Platz mehr auf dem Datenträger"},
    {"Disk quota exceeded", "Speicherkontingent erschöpft"},
    {"Read-only file system", "das Dateisystem ist schreibgeschützt"},
    {"File exists", "eine Datei dieses Namens steht im Weg"},
    {"a file of that name exists", "eine Datei dieses Namens steht im Weg"},
    {"Directory not empty", "dort steht ein Ordner, der nicht leer ist"},
    {"File name too long", "der Dateiname ist zu lang"},
    {"Input/output error", "Ein-/Ausgabefehler"},
};

}  // namespace

std::string GermanSystemReason(const std::string& reason) {
  for (const auto& [english, german] : kReasons) {
    if (reason == english) return german;
  }
  return reason;  // the system's own words, in the system's language
}

std::string GermanReadNote(const std::string& message) {
  std::smatch match;
  for (const ReadRule& rule : ReadRules()) {
    if (std::regex_match(message, match, rule.pattern)) return rule.german(match);
  }
  return "Zeile hat nicht die erwartete Form";
}

std::string GermanWriteError(const std::string& message) {
  static const std::pair<std::regex, const char*> kWrites[] = {
      {std::regex(R"re(^cannot create folder (.*): (.*)$)re"),
       "Ordner %1 lässt sich nicht anlegen"},
      {std::regex(R"re(^cannot create (.*): (.*)$)re"), "Datei %1 lässt sich nicht anlegen"},
      {std::regex(R"re(^cannot write (.*): (.*)$)re"), "Datei %1 lässt sich nicht schreiben"},
      {std::regex(R"re(^cannot replace (.*): (.*)$)re"), "Datei %1 lässt sich nicht ersetzen"},
  };
  std::smatch match;
  for (const auto& [pattern, german] : kWrites) {
    if (!std::regex_match(message, match, pattern)) continue;
    std::string text = german;
    text.replace(text.find("%1"), 2, match[1].str());
    return text + ": " + GermanSystemReason(match[2]);
  }
  return "Schreiben fehlgeschlagen: " + message;
}
