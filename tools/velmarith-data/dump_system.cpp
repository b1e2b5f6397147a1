#include "formats/legacy_files.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/route_points.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "formats/json_record.h"
#include "tools/velmarith-data/dump_parts.h"

namespace {

void DumpOffers(JsonWriter& json, std::string_view key, const std::string& line) {
  JsonKey(json, key);
  JsonBeginArray(json);
  for (const OfferRecord& offer : SplitOffers(line)) JsonRecord(json, offer);
  JsonEndArray(json);
}

}  // namespace

void DumpUniverse(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const UniverseFile universe = ReadUniverse(bytes, &issues);
  JsonKey(json, "records");
  JsonBeginArray(json);
  for (const UniverseRecord& record : universe.records) {
    JsonBeginObject(json);
    JsonField(json, "line", record.line);
    if (record.kind == UniverseRecordKind::kSystem) {
      JsonField(json, "record", "system");
      JsonRecordFields(json, record.system);
    } else {
      JsonField(json, "record", "lane");
      JsonRecordFields(json, record.lane);
    }
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpSystem(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const std::vector<ElementRecord> elements = ReadSystemElements(bytes, &issues);
  JsonKey(json, "elements");
  JsonBeginArray(json);
  for (size_t k = 0; k < elements.size(); ++k) {
    JsonBeginObject(json);
    JsonField(json, "line", static_cast<int>(k * kElementRecordLines + 1));
    JsonRecordFields(json, elements[k]);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpLegacySystem(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  JsonKey(json, "elements");
  JsonBeginArray(json);
  for (const LegacyElement& old : ReadLegacySystem(bytes, &issues)) {
    JsonBeginObject(json);
    JsonField(json, "line", old.line);
    JsonRecordFields(json, old.element);
    JsonField(json, "groupIndex", old.groupIndex);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpRoutes(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const RouteFile file = ReadRoutes(bytes, RouteReadMode::kGame, &issues);
  JsonField(json, "declaredCount", file.declaredCount);
  JsonKey(json, "routes");
  JsonBeginArray(json);
  for (const RouteRecord& route : file.routes) {
    JsonBeginObject(json);
    JsonField(json, "line", route.line);
    JsonField(json, "groupName", route.groupName);
    JsonKey(json, "waypoints");
    JsonBeginArray(json);
    for (const Waypoint& waypoint : route.waypoints) JsonRecord(json, waypoint);
    JsonEndArray(json);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpPlace(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const PlaceFile place = ReadPlace(bytes, PlaceReadMode::kGame, &issues);
  DumpOffers(json, "shipOffers", place.shipOffers);
  DumpOffers(json, "weaponOffers", place.weaponOffers);
  DumpOffers(json, "goodsOffers", place.goodsOffers);
  DumpOffers(json, "goodsPrices", place.goodsPrices);
  JsonField(json, "goodsPricesAtStartUp", ReplaceTripleZeros(place.goodsPrices));
  JsonKey(json, "people");
  JsonBeginArray(json);
  for (const PersonRecord& person : place.people) {
    JsonBeginObject(json);
    JsonField(json, "line", person.line);
    JsonRecordFields(json, person);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpLegacyOffers(JsonWriter& json, std::string_view bytes) {
  JsonKey(json, "places");
  JsonBeginArray(json);
  for (const LegacyOffers& offers : ReadLegacyOffers(bytes)) {
    JsonBeginObject(json);
    JsonField(json, "line", offers.line);
    JsonField(json, "placeName", offers.placeName);
    DumpOffers(json, "shipOffers", offers.shipOffers);
    DumpOffers(json, "weaponOffers", offers.weaponOffers);
    DumpOffers(json, "goodsOffers", offers.goodsOffers);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpLegacyPrices(JsonWriter& json, std::string_view bytes) {
  JsonKey(json, "places");
  JsonBeginArray(json);
  for (const LegacyPriceLine& line : ReadLegacyPrices(bytes)) {
    JsonBeginObject(json);
    JsonField(json, "line", line.line);
    JsonField(json, "placeName", line.placeName);
    JsonField(json, "text", line.text);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpRoutePoints(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  JsonKey(json, "points");
  JsonBeginArray(json);
  for (const RoutePoint& point : ReadRoutePoints(bytes, &issues)) JsonRecord(json, point);
  JsonEndArray(json);
}
