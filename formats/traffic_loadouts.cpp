#include "formats/traffic_loadouts.h"

const std::vector<TrafficLoadout>& TrafficLoadouts() {
  static const std::vector<TrafficLoadout> table = {
      {"Die Allianz", "", "Schwalbe", {"Loku III", "Subune B", "Subune B", "Loku III"}, "Wasser"},
      {"Die freien H\xE4ndler", "", "langer Transporter", {"Hiqaqu 2", "Hiqaqu 2"}, "Pflanzen"},
      {"Die Blacks",
       "",
       "Habicht",
       {"Ryplo (Prototyp)", "Ryplo", "Ryplo", "Ryplo (Prototyp)"},
       "Kristalle"},
      {"Die Kopfgeldj\xE4ger",
       "Alpha 23",
       "Krebs",
       {"Bramutey Alpha Typ", "Ryplo", "Ryplo", "Bramutey Alpha Typ"},
       "blaue Gase"},
      {"Die Kopfgeldj\xE4ger", "", "Schwalbe", {"Xiho II", "Xiho I", "Xiho II"}, "blaue Gase"},
      {"Die Recosus", "", "Falke", {"Pova (verbessert)", "Pova (verbessert)"}, "blaue Gase"},
      {"Das Cime-Regime",
       "",
       "Kr\xF6te",
       {"Bramutey Beta Typ", "Wokuni I", "Wokuni I", "Bramutey Beta Typ"},
       "Wasser"},
      {"Der Qema-Bund", "", "Floh", {"Nostla Typ 2", "Nostla Typ 1", "Nostla Typ 2"}, "Pflanzen"},
      {"Die H\xE4ndlerkoalition",
       "",
       "Tradership",
       {"Nicosta (Prototyp)", "Nicosta (Prototyp)"},
       "Kristalle"},
      {"Die Dajuc",
       "",
       "Krebs",
       {"Gunexus I", "Gunexus II", "Gunexus II", "Gunexus I"},
       "Lavagestein"},
      {"Die Schmuggler",
       "",
       "Scorpion",
       {"Spaticel ONE", "Xiho II", "Gunexus III", "Xiho II", "Spaticel ONE"},
       "Artefakte"},
  };
  return table;
}

const TrafficLoadout* FindTrafficLoadout(std::string_view group, std::string_view systemFolder) {
  const TrafficLoadout* general = nullptr;
  for (const TrafficLoadout& row : TrafficLoadouts()) {
    if (row.group != group) continue;
    if (row.onlyInSystem.empty()) {
      if (!general) general = &row;
    } else if (row.onlyInSystem == systemFolder) {
      return &row;
    }
  }
  return general;
}
