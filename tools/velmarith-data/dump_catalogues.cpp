#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/kind_defs.h"
#include "formats/ship_catalogue.h"
#include "formats/text_collections.h"
#include "formats/weapon_catalogue.h"
#include "formats/json_record.h"
#include "tools/velmarith-data/dump_parts.h"

void DumpShipTypes(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const ShipCatalogue ships = ReadShipTypes(bytes, &issues);
  JsonField(json, "shipTypeCount", ships.shipTypeCount);
  JsonKey(json, "shipTypes");
  JsonBeginArray(json);
  for (int n = 1; n <= ships.shipTypeCount; ++n) {
    const ShipType& ship = ships.shipTypes[n];
    JsonBeginObject(json);
    JsonField(json, "index", n);
    JsonField(json, "line", ships.sourceLines[n]);
    JsonRecordFields(json, ship);
    JsonField(json, "picture", ShipPictureDataPath(ship.name));
    JsonField(json, "markerPicture", ShipMarkerDataPath(ship.name));
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpWeaponTypes(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const WeaponCatalogue weapons = ReadWeaponTypes(bytes, &issues);
  JsonField(json, "weaponTypeCount", weapons.weaponTypeCount);
  JsonKey(json, "weaponTypes");
  JsonBeginArray(json);
  for (int n = 0; n <= weapons.weaponTypeCount; ++n) {
    const WeaponType& weapon = weapons.weaponTypes[n];
    JsonBeginObject(json);
    JsonField(json, "index", n);
    JsonField(json, "line", weapons.sourceLines[n]);
    JsonRecordFields(json, weapon);
    if (weapon.kind >= 1 && weapon.kind <= 9) {
      JsonField(json, "kindName", WeaponKindNames[weapon.kind]);
    }
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpGroups(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const GroupCatalogue groups = ReadGroups(bytes, &issues);
  JsonField(json, "groupCount", groups.groupCount);
  JsonKey(json, "groups");
  JsonBeginArray(json);
  for (int g = 0; g <= groups.groupCount; ++g) {
    JsonBeginObject(json);
    JsonField(json, "index", g);
    JsonField(json, "line", groups.lines[g].line);
    JsonField(json, "number", groups.lines[g].numberText);
    JsonField(json, "name", groups.groupNames[g]);
    JsonField(json, "inEditorChoices", IsChoosableGroupLine(groups.lines[g]));
    JsonKey(json, "attitudes");
    JsonBeginArray(json);
    for (int other = 0; other <= groups.groupCount; ++other) {
      JsonNumber(json, GroupRelation(groups, g, other));
    }
    JsonEndArray(json);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpGoods(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const GoodsCatalogue goods = ReadGoods(bytes, &issues);
  JsonField(json, "goodsCount", goods.goodsCount);
  JsonKey(json, "goods");
  JsonBeginArray(json);
  for (int n = 1; n <= goods.goodsCount; ++n) {
    JsonBeginObject(json);
    JsonField(json, "index", n);
    JsonField(json, "line", goods.sourceLines[n]);
    JsonField(json, "name", goods.goods[n].name);
    JsonField(json, "basePrice", goods.goods[n].basePrice);
    JsonField(json, "defaultFigure", goods.defaultFigures[n]);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpKindDefs(JsonWriter& json, std::string_view bytes, bool elements, ReadIssues& issues) {
  const KindDefs defs = elements ? ReadElementDefs(bytes, &issues) : ReadPeopleDefs(bytes, &issues);
  JsonKey(json, "groups");
  JsonBeginArray(json);
  for (const KindGroup& group : defs.groups) {
    JsonBeginObject(json);
    JsonField(json, "line", group.line);
    JsonField(json, "name", group.name);
    JsonField(json, "parameterMask", group.mask);
    JsonKey(json, "types");
    JsonBeginArray(json);
    for (const KindType& type : group.types) {
      JsonBeginObject(json);
      JsonField(json, "line", type.line);
      JsonField(json, "name", type.name);
      if (elements) {
        JsonField(json, "colour", type.colour);
        JsonField(json, "red", type.colour & 0xFF);
        JsonField(json, "green", (type.colour >> 8) & 0xFF);
        JsonField(json, "blue", (type.colour >> 16) & 0xFF);
      } else {
        JsonField(json, "value", type.valueLine);
      }
      JsonEndObject(json);
    }
    JsonEndArray(json);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpGroupTexts(JsonWriter& json, std::string_view bytes, int groupCount) {
  const GroupTexts texts = ReadGroupTexts(bytes, groupCount);
  JsonField(json, "groupCount", groupCount);
  JsonKey(json, "groupTexts");
  JsonBeginArray(json);
  for (size_t g = 1; g < texts.groupTexts.size(); ++g) {
    JsonBeginObject(json);
    JsonField(json, "group", static_cast<int>(g));
    JsonField(json, "headingLine", texts.headingLines[g]);
    JsonKey(json, "lines");
    JsonBeginArray(json);
    for (const std::string& line : texts.groupTexts[g]) JsonText(json, line);
    JsonEndArray(json);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}

void DumpBriefingTexts(JsonWriter& json, std::string_view bytes, ReadIssues& issues) {
  const BriefingTexts texts = ReadBriefingTexts(bytes, &issues);
  JsonKey(json, "briefingTexts");
  JsonBeginArray(json);
  for (int n = 0; n <= kMaxBriefingText; ++n) {
    if (texts.openLines[n] == 0) continue;
    JsonBeginObject(json);
    JsonField(json, "number", n);
    JsonField(json, "line", texts.openLines[n]);
    JsonField(json, "text", texts.briefingTexts[n]);
    JsonEndObject(json);
  }
  JsonEndArray(json);
}
