#include "formats/media_plan.h"

#include <set>

#include "formats/media_numbers.h"

namespace {

// "Oberflächen" as the data speaks it: Latin-1.
const std::string kSurfaces =
    "BMP\\Oberfl\xE4"
    "chen\\";
const std::string kSymbols = "BMP\\Symbole\\";
const std::string kEffects = "BMP\\Effekte\\";
const std::string kBackground = "BMP\\Hintergrund\\";
const std::string kObjects = "BMP\\Objekte\\";
const std::string kPlanets = "BMP\\Planeten\\";

void Add(std::vector<PlannedFile>& files, int number, const std::string& path) {
  files.push_back({number, path});
}

// Several numbers showing the same file.
void AddEach(std::vector<PlannedFile>& files, std::initializer_list<int> numbers,
             const std::string& path) {
  for (int number : numbers) files.push_back({number, path});
}

PlannedGroup SymbolsFirstHalf() {
  PlannedGroup group{0, "BMP\\Symbole\\*.bmp", {}};
  Add(group.files, 0, kSymbols + "Kreuz.bmp");
  Add(group.files, 10, kSymbols + "Pfeil.bmp");
  Add(group.files, 400, kSymbols + "N.bmp");
  Add(group.files, 401, kSymbols + "I.bmp");
  const char* const kinds[] = {"Feind", "Neutral", "Freund"};
  for (int i = 0; i < 3; ++i) Add(group.files, 501 + i, kSymbols + kinds[i] + "-Schiff.bmp");
  Add(group.files, 505, kSymbols + "Aktiv-Schiff.bmp");
  const char* const objectKinds[] = {"Feind", "Neutral", "Freund", "Ziel", "Aktiv"};
  for (int i = 0; i < 5; ++i) Add(group.files, 511 + i, kSymbols + objectKinds[i] + "-Objekt.bmp");
  for (int i = 0; i < 5; ++i) Add(group.files, 521 + i, kSymbols + objectKinds[i] + "-Ramen.bmp");
  return group;
}

PlannedGroup SymbolsSecondHalf() {
  PlannedGroup group{5, "BMP\\Symbole\\*.bmp", {}};
  Add(group.files, 531, kSymbols + "Feind-Zielpunkt.bmp");
  Add(group.files, 532, kSymbols + "Neutral-Zielpunkt.bmp");
  Add(group.files, 533, kSymbols + "Freund-Zielpunkt.bmp");
  Add(group.files, 535, kSymbols + "Aktiv-Zielpunkt.bmp");
  Add(group.files, 540, kSymbols + "Stimmungslinie.bmp");
  Add(group.files, 541, kSymbols + "Stimmungsstelle.bmp");
  Add(group.files, 601, kSymbols + "H-.bmp");
  Add(group.files, 602, kSymbols + "H+.bmp");
  Add(group.files, 701, kSymbols + "S-.bmp");
  Add(group.files, 702, kSymbols + "S+.bmp");
  Add(group.files, 801, kSymbols + "E-.bmp");
  Add(group.files, 802, kSymbols + "E+.bmp");
  Add(group.files, 901, kSymbols + "Strahlung.bmp");
  Add(group.files, 902, kSymbols + "Hitze.bmp");
  Add(group.files, 903, kSymbols + "Explosion.bmp");
  Add(group.files, 5101, kSymbols + "Raumschiff.bmp");
  Add(group.files, 5150, kSymbols + "Anzeigen.bmp");
  return group;
}

PlannedGroup EffectsFirstHalf() {
  PlannedGroup group{10, "BMP\\Effekte\\*.bmp", {}};
  Add(group.files, 1, kEffects + "Kreis_R.bmp");
  Add(group.files, 2, kEffects + "Kreis_B.bmp");
  Add(group.files, 3, kEffects + "Kreis_G.bmp");
  Add(group.files, 4, kEffects + "Kreis_RGB.bmp");
  Add(group.files, 11, kEffects + "Kreis_R.bmp");
  Add(group.files, 12, kEffects + "Kreis_B.bmp");
  Add(group.files, 13, kEffects + "Kreis_G.bmp");
  Add(group.files, 14, kEffects + "Rauch.bmp");
  AddEach(group.files, {21, 22, 23}, kEffects + "Kreis_B.bmp");
  AddEach(group.files, {25, 26, 27}, kEffects + "Kreis_R.bmp");
  return group;
}

PlannedGroup EffectsSecondHalf() {
  PlannedGroup group{15, "BMP\\Effekte\\*.bmp", {}};
  Add(group.files, 41, kEffects + "Beam_-2.bmp");
  Add(group.files, 42, kEffects + "Beam_-1.bmp");
  Add(group.files, 43, kEffects + "Beam_1.bmp");
  Add(group.files, 44, kEffects + "Beam_2.bmp");
  AddEach(group.files, {411, 412, 413}, kEffects + "Plasma_B.bmp");
  AddEach(group.files, {421, 422, 423}, kEffects + "Plasma_G.bmp");
  AddEach(group.files, {431, 432, 433}, kEffects + "Plasma_R.bmp");
  Add(group.files, 440, kEffects + "Kreis_RGB.bmp");
  return group;
}

PlannedGroup Background() {
  PlannedGroup group{20, "BMP\\Hintergrund\\*.bmp", {}};
  for (int i = 2; i <= 7; ++i) {
    Add(group.files, 1000 + i, kBackground + "Stern" + std::to_string(i) + ".bmp");
  }
  Add(group.files, 1008, kBackground + "Bak1.bmp");
  Add(group.files, 1009, kBackground + "Bak2.bmp");
  for (int i = 1; i <= 3; ++i) {
    Add(group.files, 1010 + i, kBackground + "Ast" + std::to_string(i) + ".bmp");
  }
  Add(group.files, 1021, kBackground + "Gas1.bmp");
  Add(group.files, 1022, kBackground + "Gas2.bmp");
  for (int i = 1; i <= 3; ++i) {
    Add(group.files, 1030 + i, kBackground + "LavaAst" + std::to_string(i) + ".bmp");
  }
  for (int i = 1; i <= 3; ++i) {
    Add(group.files, 1040 + i, kBackground + "Eis" + std::to_string(i) + ".bmp");
  }
  return group;
}

PlannedGroup ObjectsFirstHalf() {
  PlannedGroup group{25, "BMP\\Objekte\\*.bmp", {}};
  Add(group.files, 1511, kObjects + "Gravitationsschild_1.bmp");
  Add(group.files, 3901, kObjects + "Waffe.bmp");
  for (int i = 1; i <= 3; ++i) {
    Add(group.files, 3910 + i, kObjects + "Katon" + std::to_string(i) + ".bmp");
  }
  AddEach(group.files, {4001, 4002, 4003}, kObjects + "Route.bmp");
  return group;
}

PlannedGroup ObjectsSecondHalf() {
  PlannedGroup group{30, "BMP\\Objekte\\*.bmp", {}};
  AddEach(group.files, {4011, 4012, 4013}, kObjects + "Route1.bmp");
  AddEach(group.files, {4021, 4022, 4023}, kObjects + "Route2.bmp");
  AddEach(group.files, {4031, 4032, 4033}, kObjects + "Route3.bmp");
  Add(group.files, kPictureDockingRing, kObjects + "Route.bmp");
  Add(group.files, kPictureStation, kObjects + "ST01-H.jpg");
  AddEach(group.files, {4401, 4501}, kObjects + "Mine.bmp");
  return group;
}

// Planets and the sun: the ".jpg" pictures first, then the ".bmp" of the same names over them.
void AddPlanetPictures(PlannedGroup& group, const std::string& extension) {
  for (int i = 0; i < 7; ++i) {
    const std::string n = std::to_string(i + 1);
    Add(group.files, 4210 + 10 * i, kPlanets + "Planet_" + n + extension);
    Add(group.files, 4211 + 10 * i, kPlanets + "Planet_Atmo_" + n + extension);
  }
}

PlannedGroup PlanetsFirstHalf() {
  PlannedGroup group{35, "BMP\\Planeten\\*.bmp", {}};
  AddPlanetPictures(group, ".jpg");
  Add(group.files, 4310, kPlanets + "Sonne_1.jpg");
  Add(group.files, 4311, kPlanets + "Sonne_Atmo_1.jpg");
  return group;
}

PlannedGroup PlanetsSecondHalf() {
  PlannedGroup group{40, "BMP\\Planeten\\*.bmp", {}};
  AddPlanetPictures(group, ".bmp");
  Add(group.files, 4310, kPlanets + "Sonne_1.bmp");
  Add(group.files, 4311, kPlanets + "Sonne_Atmo_1.bmp");
  for (int i = 1; i <= 3; ++i) {
    Add(group.files, 7000 + i, kPlanets + "Sonnenstrahl" + std::to_string(i) + ".bmp");
  }
  return group;
}

PlannedGroup Surfaces() {
  PlannedGroup group{45,
                     "BMP\\Oberfl\xE4"
                     "chen\\*.bmp",
                     {}};
  Add(group.files, 5110, kSurfaces + "Karte.bmp");
  Add(group.files, 5120, kSurfaces + "260.bmp");
  const char* const buttons[] = {"Button_Over",  "Button_Liste2", "Button_Kompas",  "Button_Karte",
                                 "Button_Liste", "Button_Infos",  "Button_Andocken"};
  for (int i = 0; i < 7; ++i) Add(group.files, 5200 + i, kSurfaces + buttons[i] + ".bmp");
  Add(group.files, 5210, kSurfaces + "Button_X.bmp");
  Add(group.files, 5212, kSurfaces + "Button_Runter.bmp");
  Add(group.files, 5215, kSurfaces + "Button_Mitte.bmp");
  Add(group.files, 5218, kSurfaces + "Button_Hoch.bmp");
  Add(group.files, 5220, kSurfaces + "Button_Over_klein.bmp");
  Add(group.files, 5230, kSurfaces + "Info.bmp");
  // The list arrows live with the other button pictures.
  Add(group.files, 7022, kSurfaces + "Button_Down.bmp");
  Add(group.files, 7025, kSurfaces + "Button_leer.bmp");
  Add(group.files, 7028, kSurfaces + "Button_Up.bmp");
  return group;
}

PlannedGroup TopLevelPictures() {
  PlannedGroup group{50, "BMP\\*.bmp", {}};
  Add(group.files, 5098, "BMP\\Sterne.bmp");
  Add(group.files, 5099, "BMP\\Unentdeckt.bmp");
  Add(group.files, 7010, "BMP\\Metall.bmp");
  Add(group.files, 7011, "BMP\\Laser2.bmp");
  Add(group.files, 7012, "BMP\\Laser.bmp");
  return group;
}

PlannedGroup Sounds() {
  PlannedGroup group{55, "WAV\\*.wav", {}, true};
  Add(group.files, 100, "WAV\\Mouse_over.wav");
  Add(group.files, 101, "WAV\\Klick.wav");
  const char* const weapons[] = {"Partikel", "Plasma", "EM-Impuls", "Ionen",
                                 "Faser",    "Laser",  "Plasma"};
  for (int k = 1; k <= 7; ++k) {
    Add(group.files, 1000 + k, std::string("WAV\\Waffen\\") + weapons[k - 1] + ".wav");
  }
  Add(group.files, 2001, "WAV\\Explo1.wav");
  return group;
}

}  // namespace

std::vector<PlannedFile> PlannedFontPictures() {
  std::vector<PlannedFile> files;
  const char* const sets[] = {"Schrift",        "Feind-Schrift", "Neutral-Schrift",
                              "Freund-Schrift", "Aktiv-Schrift", "Dunkel-Schrift"};
  const int colourSets[] = {0, 10, 20, 30, 50, 60};
  for (int size : {3, 5}) {
    for (int i = 0; i < 6; ++i) {
      Add(files, 100 + colourSets[i] + size,
          std::string("BMP\\Schrift\\") + sets[i] + " " + std::to_string(size) + ".bmp");
    }
  }
  return files;
}

std::vector<PlannedFile> PlannedLoadingPictures() {
  return {{9000, "BMP\\LOGO.jpg"}, {9001, "BMP\\LOAD.jpg"}};
}

std::vector<PlannedGroup> PlannedMediaGroups() {
  return {SymbolsFirstHalf(),  SymbolsSecondHalf(), EffectsFirstHalf(),  EffectsSecondHalf(),
          Background(),        ObjectsFirstHalf(),  ObjectsSecondHalf(), PlanetsFirstHalf(),
          PlanetsSecondHalf(), Surfaces(),          TopLevelPictures(),  Sounds()};
}

std::vector<std::string> PlannedDataPaths() {
  std::vector<std::string> paths;
  std::set<std::string> seen;
  auto take = [&](const std::vector<PlannedFile>& files) {
    for (const PlannedFile& file : files) {
      if (seen.insert(file.dataPath).second) paths.push_back(file.dataPath);
    }
  };
  take(PlannedFontPictures());
  take(PlannedLoadingPictures());
  for (const PlannedGroup& group : PlannedMediaGroups()) take(group.files);
  return paths;
}
