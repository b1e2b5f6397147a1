#pragma once

// The edited star system: the four lists, the two note texts and the folder they belong to.

#include <string>
#include <vector>

#include "sysedit/document/history.h"
#include "sysedit/document/records.h"

struct EditorDocument {
  std::vector<ElementRecord> elements;  // EditorElements, in element-list order
  std::vector<EditorPlace> places;      // EditorPlaces, in the order they were added
  std::vector<EditorPerson> people;     // EditorPeople of every place
  std::vector<EditorRoute> routes;      // EditorRoutes
  std::string groupNotes;               // Gruppen.txt, lines joined by CR LF
  std::string goodsNotes;               // Waren.txt
  std::string editedSystem;             // EditedSystem: folder name of the last load or save
  // Place names that a ring was renamed away from since the last load or save: saving into the
  // same folder removes their files when no place of that name is left.
  std::vector<std::string> retiredPlaceNames;
  EditHistory history;
};

// Empties every list and note; keeps nothing of the previous system.
void ClearDocument(EditorDocument& document);
