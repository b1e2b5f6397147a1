#pragma once

#include <string_view>

#include "formats/read_issues.h"
#include "formats/json_writer.h"

// The per-kind parts of a dump: each writes the fields of the open top-level object and adds the
// reader's issues.

void DumpShipTypes(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpWeaponTypes(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpGroups(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpGoods(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpKindDefs(JsonWriter& json, std::string_view bytes, bool elements, ReadIssues& issues);
void DumpGroupTexts(JsonWriter& json, std::string_view bytes, int groupCount);
void DumpBriefingTexts(JsonWriter& json, std::string_view bytes, ReadIssues& issues);

void DumpUniverse(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpSystem(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpLegacySystem(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpRoutes(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpPlace(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
void DumpLegacyOffers(JsonWriter& json, std::string_view bytes);
void DumpLegacyPrices(JsonWriter& json, std::string_view bytes);
void DumpRoutePoints(JsonWriter& json, std::string_view bytes, ReadIssues& issues);
