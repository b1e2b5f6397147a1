#include "sysedit/document/edits.h"

#include <algorithm>
#include <utility>

#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/text_rules.h"

namespace {

template <typename T>
void InsertAt(std::vector<T>& list, int index, T value) {
  list.insert(list.begin() + index, std::move(value));
}

bool ValidIndex(size_t size, int index) {
  return index >= 0 && static_cast<size_t>(index) < size;
}

// Appends to one of the document's lists; undo takes the last entry off again.
template <typename T>
unsigned Append(EditorDocument& document, std::vector<T> EditorDocument::*list, T value,
                std::string text, unsigned parts) {
  return Execute(document, {std::move(text), "", parts,
                            [list, value](EditorDocument& d) { (d.*list).push_back(value); },
                            [list](EditorDocument& d) { (d.*list).pop_back(); }});
}

// Removes entry `index` of one of the document's lists; undo puts it back at its place.
template <typename T>
unsigned RemoveAt(EditorDocument& document, std::vector<T> EditorDocument::*list, int index,
                  std::string text, unsigned parts) {
  if (!ValidIndex((document.*list).size(), index)) return 0;
  const T value = (document.*list)[index];
  return Execute(document,
                 {std::move(text), "", parts,
                  [list, index](EditorDocument& d) { (d.*list).erase((d.*list).begin() + index); },
                  [list, index, value](EditorDocument& d) { InsertAt(d.*list, index, value); }});
}

// Replaces entry `index` of one of the document's lists.
template <typename T>
unsigned ReplaceAt(EditorDocument& document, std::vector<T> EditorDocument::*list, int index,
                   T after, std::string text, unsigned parts) {
  if (!ValidIndex((document.*list).size(), index)) return 0;
  const T before = (document.*list)[index];
  return Execute(document,
                 {std::move(text), "", parts,
                  [list, index, after](EditorDocument& d) { (d.*list)[index] = after; },
                  [list, index, before](EditorDocument& d) { (d.*list)[index] = before; }});
}

// Replaces one route by another, as waypoint edits do.
unsigned ReplaceRoute(EditorDocument& document, int index, const EditorRoute& after,
                      std::string text) {
  return ReplaceAt(document, &EditorDocument::routes, index, after, std::move(text), kPartRoutes);
}

// Replaces the whole place list: offer and price edits touch every place of one name.
unsigned ReplacePlaces(EditorDocument& document, std::vector<EditorPlace> after, std::string text,
                       std::string mergeKey) {
  if (after == document.places) return 0;
  std::vector<EditorPlace> before = document.places;
  return Execute(document,
                 {std::move(text), std::move(mergeKey), kPartPlaces,
                  [after = std::move(after)](EditorDocument& d) { d.places = after; },
                  [before = std::move(before)](EditorDocument& d) { d.places = before; }});
}

}  // namespace

int OwnPlaceIndex(const EditorDocument& document, int index) {
  if (!ValidIndex(document.elements.size(), index)) return -1;
  const ElementRecord& ring = document.elements[index];
  if (ring.elementGroup != kDockingRingGroup) return -1;
  int ordinal = 0;
  for (int i = 0; i < index; ++i) {
    const ElementRecord& other = document.elements[i];
    ordinal += other.elementGroup == kDockingRingGroup && other.name == ring.name;
  }
  for (size_t p = 0; p < document.places.size(); ++p) {
    if (document.places[p].name == ring.name && ordinal-- == 0) return static_cast<int>(p);
  }
  return -1;
}

unsigned AddElement(EditorDocument& document, const ElementRecord& element) {
  const bool ring = element.elementGroup == kDockingRingGroup;
  EditorPlace place;
  place.name = element.name;
  return Execute(document,
                 {"Element hinzuf\xfcgen", "", ring ? kPartElements | kPartPlaces : kPartElements,
                  [element, ring, place](EditorDocument& d) {
                    d.elements.push_back(element);
                    if (ring) d.places.push_back(place);
                  },
                  [ring](EditorDocument& d) {
                    d.elements.pop_back();
                    if (ring) d.places.pop_back();
                  }});
}

namespace {

// Whether another docking ring than element `index` carries that name.
bool OtherRingNamed(const EditorDocument& document, int index, const std::string& name) {
  for (size_t i = 0; i < document.elements.size(); ++i) {
    const ElementRecord& other = document.elements[i];
    if (static_cast<int>(i) != index && other.elementGroup == kDockingRingGroup &&
        other.name == name) {
      return true;
    }
  }
  return false;
}

// Places and people after ring `index` is renamed from `from` to `to`. The people of the ring's
// place, and those elsewhere that inform about it, follow only when no other ring keeps the old
// name; otherwise they still belong to that ring's place.
struct RingRename {
  std::vector<EditorPlace> places;
  std::vector<EditorPerson> people;
  bool placeMoved = false;
  bool oldNameKept = false;
};

RingRename RenameRing(const EditorDocument& document, int index, const std::string& to) {
  RingRename rename{document.places, document.people};
  const std::string from = document.elements[index].name;
  rename.oldNameKept = OtherRingNamed(document, index, from);
  const int place = OwnPlaceIndex(document, index);
  if (place < 0) return rename;
  rename.places[place].name = to;
  rename.placeMoved = true;
  if (!rename.oldNameKept) {
    for (EditorPerson& person : rename.people) {
      if (person.placeName == from) person.placeName = to;
      if (person.record.infoPlace == from) person.record.infoPlace = to;
    }
  }
  return rename;
}

void RetirePlaceName(EditorDocument& document, const std::string& name) {
  std::vector<std::string>& retired = document.retiredPlaceNames;
  if (std::find(retired.begin(), retired.end(), name) == retired.end()) retired.push_back(name);
}

}  // namespace

unsigned ChangeElement(EditorDocument& document, int index, const ElementRecord& element) {
  if (!ValidIndex(document.elements.size(), index)) return 0;
  const ElementRecord before = document.elements[index];
  const bool ringRenamed = before.elementGroup == kDockingRingGroup &&
                           element.elementGroup == kDockingRingGroup && before.name != element.name;
  const RingRename rename = ringRenamed ? RenameRing(document, index, element.name) : RingRename{};
  if (!rename.placeMoved) {
    return ReplaceAt(document, &EditorDocument::elements, index, element, "Element \xe4ndern",
                     kPartElements);
  }
  // Whichever name a ring leaves may have a file on disk that no place writes any more.
  const bool retire = !rename.oldNameKept;
  return Execute(document,
                 {"Andockring umbenennen", "", kPartElements | kPartPlaces | kPartPeople,
                  [index, element, rename, retire, from = before.name](EditorDocument& d) {
                    d.elements[index] = element;
                    d.places = rename.places;
                    d.people = rename.people;
                    if (retire) RetirePlaceName(d, from);
                  },
                  [index, before, places = document.places, people = document.people, retire,
                   to = element.name](EditorDocument& d) {
                    d.elements[index] = before;
                    d.places = places;
                    d.people = people;
                    if (retire) RetirePlaceName(d, to);
                  }});
}

unsigned RemoveElement(EditorDocument& document, int index) {
  const int place = OwnPlaceIndex(document, index);
  if (place < 0) {
    return RemoveAt(document, &EditorDocument::elements, index, "Element entfernen", kPartElements);
  }
  const ElementRecord element = document.elements[index];
  const EditorPlace removed = document.places[place];
  return Execute(document, {"Element entfernen", "", kPartElements | kPartPlaces,
                            [index, place](EditorDocument& d) {
                              d.places.erase(d.places.begin() + place);
                              d.elements.erase(d.elements.begin() + index);
                            },
                            [index, place, element, removed](EditorDocument& d) {
                              InsertAt(d.elements, index, element);
                              InsertAt(d.places, place, removed);
                            }});
}

unsigned AddRoute(EditorDocument& document, const std::string& groupName,
                  const EditorWaypoint& first) {
  EditorRoute route;
  route.groupName = groupName;
  route.waypoints[0] = first;
  return Append(document, &EditorDocument::routes, route, "Route hinzuf\xfcgen", kPartRoutes);
}

unsigned RemoveRoute(EditorDocument& document, int index) {
  return RemoveAt(document, &EditorDocument::routes, index, "Route entfernen", kPartRoutes);
}

unsigned AddWaypoint(EditorDocument& document, int route, const EditorWaypoint& waypoint) {
  if (!ValidIndex(document.routes.size(), route) || waypoint.kind == 0) return 0;
  EditorRoute after = document.routes[route];
  const int used = UsedWaypointCount(after);
  if (used >= kMaxWaypoints) return 0;
  after.waypoints[used] = waypoint;
  return ReplaceRoute(document, route, after, "Wegpunkt hinzuf\xfcgen");
}

unsigned ChangeWaypoint(EditorDocument& document, int route, int index,
                        const EditorWaypoint& waypoint) {
  if (!ValidIndex(document.routes.size(), route) || waypoint.kind == 0) return 0;
  EditorRoute after = document.routes[route];
  if (index < 0 || index >= UsedWaypointCount(after)) return 0;
  if (after.waypoints[index] == waypoint) return 0;
  after.waypoints[index] = waypoint;
  return ReplaceRoute(document, route, after, "Wegpunkt \xe4ndern");
}

unsigned RemoveWaypoint(EditorDocument& document, int route, int index) {
  if (!ValidIndex(document.routes.size(), route)) return 0;
  EditorRoute after = document.routes[route];
  const int used = UsedWaypointCount(after);
  if (index < 0 || index >= used) return 0;
  for (int i = index; i + 1 < used; ++i) after.waypoints[i] = after.waypoints[i + 1];
  after.waypoints[used - 1] = EditorWaypoint{};
  return ReplaceRoute(document, route, after, "Wegpunkt entfernen");
}

std::string& OfferLine(EditorPlace& place, OfferKind kind) {
  switch (kind) {
    case OfferKind::kShips:
      return place.shipOffers;
    case OfferKind::kWeapons:
      return place.weaponOffers;
    case OfferKind::kGoods:
      break;
  }
  return place.goodsOffers;
}

const std::string& OfferLine(const EditorPlace& place, OfferKind kind) {
  return OfferLine(const_cast<EditorPlace&>(place), kind);
}

std::vector<std::string> OfferNames(const std::string& line) {
  std::vector<std::string> names;
  for (const OfferRecord& record : SplitOffers(line)) names.push_back(record.name);
  return names;
}

namespace {

// Changes the offer line of that kind of every place of that name.
template <typename Edit>
unsigned EditOfferLines(EditorDocument& document, const std::string& placeName, OfferKind kind,
                        Edit edit, std::string text) {
  std::vector<EditorPlace> after = document.places;
  for (EditorPlace& place : after) {
    if (place.name == placeName) edit(OfferLine(place, kind));
  }
  return ReplacePlaces(document, std::move(after), std::move(text), "");
}

}  // namespace

unsigned AddOffers(EditorDocument& document, const std::string& placeName, OfferKind kind,
                   const std::vector<std::string>& names) {
  const auto add = [&names](std::string& line) {
    for (const std::string& name : names) {
      const std::vector<std::string> offered = OfferNames(line);
      if (std::find(offered.begin(), offered.end(), name) != offered.end()) continue;
      line += MakeOfferRecord(name, "-1");
    }
  };
  return EditOfferLines(document, placeName, kind, add, "Angebot hinzuf\xfcgen");
}

unsigned RemoveOffers(EditorDocument& document, const std::string& placeName, OfferKind kind,
                      const std::vector<std::string>& names) {
  const auto remove = [&names](std::string& line) {
    for (const std::string& name : names) {
      const std::string record = MakeOfferRecord(name, "-1");
      // Records sit at multiples of 30; a fixed count ("5") is not an unlimited offer and stays.
      for (size_t at = 0; at + kOfferRecordWidth <= line.size(); at += kOfferRecordWidth) {
        if (line.compare(at, kOfferRecordWidth, record) == 0) {
          line.erase(at, kOfferRecordWidth);
          break;
        }
      }
    }
  };
  return EditOfferLines(document, placeName, kind, remove, "Angebot entfernen");
}

unsigned SetGoodsPrices(EditorDocument& document, const std::string& placeName,
                        const std::string& goodsPrices) {
  std::vector<EditorPlace> after = document.places;
  for (EditorPlace& place : after) {
    if (place.name == placeName) place.goodsPrices = goodsPrices;
  }
  return ReplacePlaces(document, std::move(after), "Warenpreise \xe4ndern", "prices:" + placeName);
}

std::string BuildGoodsPrices(const std::vector<std::string>& names,
                             const std::vector<std::string>& figures) {
  std::string line;
  for (size_t i = 0; i < names.size(); ++i) {
    line += PadRight(names[i], 20);
    line += PadRight(i < figures.size() ? figures[i] : std::string(), 10);
  }
  return line;
}

std::vector<int> PeopleOfPlace(const EditorDocument& document, const std::string& placeName) {
  std::vector<int> indices;
  for (size_t i = 0; i < document.people.size(); ++i) {
    if (document.people[i].placeName == placeName) indices.push_back(static_cast<int>(i));
  }
  return indices;
}

unsigned AddPerson(EditorDocument& document, const EditorPerson& person) {
  return Append(document, &EditorDocument::people, person, "Person hinzuf\xfcgen", kPartPeople);
}

unsigned ChangePerson(EditorDocument& document, int index, const EditorPerson& person) {
  return ReplaceAt(document, &EditorDocument::people, index, person, "Person \xe4ndern",
                   kPartPeople);
}

unsigned RemovePerson(EditorDocument& document, int index) {
  return RemoveAt(document, &EditorDocument::people, index, "Person entfernen", kPartPeople);
}

unsigned SetNote(EditorDocument& document, NoteKind kind, const std::string& text) {
  std::string EditorDocument::*member =
      kind == NoteKind::kGroups ? &EditorDocument::groupNotes : &EditorDocument::goodsNotes;
  if (document.*member == text) return 0;
  const std::string before = document.*member;
  return Execute(document,
                 {"Text \xe4ndern", kind == NoteKind::kGroups ? "notes:groups" : "notes:goods",
                  kPartNotes, [member, text](EditorDocument& d) { d.*member = text; },
                  [member, before](EditorDocument& d) { d.*member = before; }});
}
