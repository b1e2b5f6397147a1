#include "tests/game/support/universe_fixture.h"

#include "formats/place_file.h"
#include "formats/system_file.h"
#include "formats/text_rules.h"
#include "tests/game/support/fixture_files.h"

namespace {

// Fixed columns: each value padded to the given width (left-aligned).
std::string Columns(std::initializer_list<std::pair<std::string, int>> fields) {
  std::string line;
  for (const auto& [value, width] : fields) line += PadRight(value, width);
  return line;
}

}  // namespace

void WriteUniverseFixture(const std::filesystem::path& folder) {
  const auto ini = folder / "INI";
  // name, size, slots, (unread), slot classes up to column 90, hull, speed, agility, energy,
  // cargo, (unread), price
  WriteFixtureFile(ini / "Raumschiffe.ini", "| Raumschiffe\r\n" +
                                                Columns({{"Pionier", 20},
                                                         {"24", 10},
                                                         {"3", 10},
                                                         {"", 10},
                                                         {"1    1    2", 40},
                                                         {"300", 10},
                                                         {"40", 10},
                                                         {"12", 10},
                                                         {"500", 10},
                                                         {"20", 10},
                                                         {"", 10},
                                                         {"8000", 10}}) +
                                                "\r\n");
  WriteFixtureFile(ini / "Waffen.ini", Columns({{"Loku I", 20},
                                                {"1", 10},
                                                {"1", 10},
                                                {"10", 10},
                                                {"8", 10},
                                                {"900", 10},
                                                {"30", 10},
                                                {"0", 10},
                                                {"4", 10},
                                                {"5", 10},
                                                {"400", 10}}) +
                                           "\r\n" +
                                           Columns({{"Hammer", 20},
                                                    {"2", 10},
                                                    {"6", 10},
                                                    {"20", 10},
                                                    {"20", 10},
                                                    {"1200", 10},
                                                    {"60", 10},
                                                    {"0", 10},
                                                    {"2", 10},
                                                    {"9", 10},
                                                    {"90000", 10}}) +
                                           "\r\n");
  WriteFixtureFile(ini / "Gruppen.ini",
                   "0    Spieler                  1.0  \r\n"
                   "1    Die Allianz              0.5  1.0  \r\n");
  WriteFixtureFile(ini / "Waren.ini", Columns({{"Wasser", 20}, {"40", 10}}) + "\r\n" +
                                          Columns({{"Kristalle", 20}, {"300", 10}}) + "\r\n");
  WriteFixtureFile(ini / "Universum.ini", "[Systeme]\r\nHeimat\r\n0\r\n0\r\n");
  ElementRecord ring{
      "Andockringe", "Andockring", "Planet Neue Allianz", "Die Allianz", 45500, 79000, 0, 0, 0, 0};
  ElementRecord sun{"Sonnen", "Wei\xDF", "", "", 50000, 50000, 0, 0, 3000, 0};
  WriteFixtureFile(ini / "Heimat" / "System.ini", WriteSystemElements({sun, ring}));
  PlaceFile place;
  place.shipOffers = MakeOfferRecord("Pionier", "-1");
  place.weaponOffers = MakeOfferRecord("Loku I", "-1") + MakeOfferRecord("Hammer", "-1");
  place.goodsOffers = MakeOfferRecord("Wasser", "-1");
  place.goodsPrices = MakeOfferRecord("Wasser", "500") + MakeOfferRecord("Kristalle", "20");
  PersonRecord person;
  person.mainKind = "Auftr\xE4ge";
  person.subKind = "Kopfgeld";
  place.people = {person, person};
  WriteFixtureFile(ini / "Heimat" / "Orte" / "Planet Neue Allianz.ini", WritePlace(place));
  std::filesystem::create_directories(folder / "SAVE");
  WriteFixtureFile(folder / "SAVE" / "Erster Flug.sav", "x");
  WriteFixtureFile(folder / "SAVE" / "InternetFile.sav", "x");
}
