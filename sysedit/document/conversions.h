#pragma once

// Between the editor's records and the records of the data files.

#include <string>

#include "formats/kind_defs.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "sysedit/document/records.h"

// The colour comes from the element definitions; the files do not store it.
EditorElement ToEditorElement(const ElementRecord& record, const KindDefs& elementDefs);
ElementRecord ToElementRecord(const EditorElement& element);

EditorPerson ToEditorPerson(const PersonRecord& record, const std::string& placeName);
PersonRecord ToPersonRecord(const EditorPerson& person);

// Waypoints beyond the 31st do not fit the slots and are dropped.
EditorRoute ToEditorRoute(const RouteRecord& record);
RouteRecord ToRouteRecord(const EditorRoute& route);
