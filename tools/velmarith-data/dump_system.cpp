#include "formats/legacy_files.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/route_points.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "tools/velmarith-data/dump_parts.h"

namespace {

void DumpElementFields(JsonWriter& json, const ElementRecord& element) {
  JsonField(json, "elementGroup", element.elementGroup);
  JsonField(json, "elementType", element.elementType);
  JsonField(json, "name", element.name);
  JsonField(json, "groupName", element.groupName);
  JsonField(json, "x", element.x);
  JsonField(json, "y", element.y);
  JsonField(json, "direction", element.direction);
  JsonField(json, "rotation", element.rotation);
  JsonField(json, "radius", element.radius);
  JsonField(json, "length", element.length);
}

void DumpOffers(JsonWriter& json, std::string_view key, const std::string& line) {
  JsonKey(json, key);
  JsonBeginArray(json);
  for (const OfferRecord& offer : SplitOffers(line)) {
    JsonBeginObject(json);
    JsonField(json, "name", offer.name);
    JsonField(json, "value", offer.value);
    JsonEndObject(json);
  }
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
      JsonField(json, "name", record.system.name);
      JsonField(json, "originX", record.system.originX);
      JsonField(json, "originY", record.system.originY);
    } else {
      const LaneRecord& lane = record.lane;
      JsonField(json, "record", "lane");
      JsonField(json, "colour", lane.colour);
      JsonField(json, "colourWord", lane.colourWord);
      JsonField(json, "x", lane.x);
      JsonField(json, "y", lane.y);
      JsonField(json, "angle", lane.angle);
      JsonField(json, "length", lane.length);
      JsonField(json, "group", lane.group);
      JsonField(json, "name", lane.name);
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
    DumpElementFields(json, elements[k]);
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
    DumpElementFields(json, old.element);
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
    for (const Waypoint& waypoint : route.waypoints) {
      JsonBeginObject(json);
      JsonField(json, "x", waypoint.x);
      JsonField(json, "y", waypoint.y);
      JsonField(json, "kind", waypoint.kind);
      JsonEndObject(json);
    }
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
    JsonField(json, "mainKind", person.mainKind);
    JsonField(json, "subKind", person.subKind);
    JsonField(json, "fromGroup", person.fromGroup);
    JsonField(json, "againstGroup", person.againstGroup);
    JsonField(json, "x", person.x);
    JsonField(json, "y", person.y);
    JsonField(json, "shipCount", person.shipCount);
    JsonField(json, "infoPlace", person.infoPlace);
    JsonField(json, "price", person.price);
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
  for (const RoutePoint& point : ReadRoutePoints(bytes, &issues)) {
    JsonBeginObject(json);
    JsonField(json, "x", point.x);
    JsonField(json, "y", point.y);
    JsonField(json, "kind", point.kind);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}
