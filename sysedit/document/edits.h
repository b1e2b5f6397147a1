#pragma once

// Every change an author makes, each as one undoable command. Each returns the document parts
// it touched (0 when it changed nothing and so recorded nothing).

#include <string>
#include <vector>

#include "sysedit/document/document.h"

// Elements. Adding a docking ring also adds its place (empty offers).
unsigned AddElement(EditorDocument& document, const ElementRecord& element);
// Renaming a docking ring carries its place (offers, stock, people) to the new name, and people
// whose "Info über Ort" names the old place follow; the old name is retired for the next save.
// Other changes leave the places alone.
unsigned ChangeElement(EditorDocument& document, int index, const ElementRecord& element);
// Removes the element; a docking ring takes its own place along (offers and figures; undo brings
// them back). No other element touches a place, whatever its name. People of a removed place
// stay in memory and come back with a new ring of that name.
unsigned RemoveElement(EditorDocument& document, int index);
// The place docking ring `index` owns: rings of one name own the places of that name in order,
// so the k-th ring of a name owns its k-th place. -1 for an element that is no ring, or a ring
// whose place is gone.
int OwnPlaceIndex(const EditorDocument& document, int index);

// Routes and waypoints.
unsigned AddRoute(EditorDocument& document, const std::string& groupName,
                  const EditorWaypoint& first);
unsigned RemoveRoute(EditorDocument& document, int index);
// Fills the slot after the last used waypoint; 0 when the route already holds 31.
unsigned AddWaypoint(EditorDocument& document, int route, const EditorWaypoint& waypoint);
unsigned ChangeWaypoint(EditorDocument& document, int route, int index,
                        const EditorWaypoint& waypoint);
// Later waypoints move down one slot; the slot after the last one is cleared.
unsigned RemoveWaypoint(EditorDocument& document, int route, int index);

// Offers of a place: the three offer lines of every place of that name.
enum class OfferKind { kShips = 0, kWeapons = 1, kGoods = 2 };
std::string& OfferLine(EditorPlace& place, OfferKind kind);
const std::string& OfferLine(const EditorPlace& place, OfferKind kind);
// The names of a line's records, in order.
std::vector<std::string> OfferNames(const std::string& line);
// Appends a record (name, "-1") for every name not yet offered.
unsigned AddOffers(EditorDocument& document, const std::string& placeName, OfferKind kind,
                   const std::vector<std::string>& names);
// Removes the records (name, "-1"); a record with another value stays.
unsigned RemoveOffers(EditorDocument& document, const std::string& placeName, OfferKind kind,
                      const std::vector<std::string>& names);
// Sets the goods-price line of every place of that name; typing into one figure folds into one
// command.
unsigned SetGoodsPrices(EditorDocument& document, const std::string& placeName,
                        const std::string& goodsPrices);
// The goods-price line made of these rows: name padded to 20, figure padded to 10.
std::string BuildGoodsPrices(const std::vector<std::string>& names,
                             const std::vector<std::string>& figures);

// People. Rows of the people list count only the persons of one place.
std::vector<int> PeopleOfPlace(const EditorDocument& document, const std::string& placeName);
unsigned AddPerson(EditorDocument& document, const EditorPerson& person);
unsigned ChangePerson(EditorDocument& document, int index, const EditorPerson& person);
unsigned RemovePerson(EditorDocument& document, int index);

// The two note texts (lines joined by CR LF); typing folds into one command per box.
enum class NoteKind { kGroups, kGoods };
unsigned SetNote(EditorDocument& document, NoteKind kind, const std::string& text);
