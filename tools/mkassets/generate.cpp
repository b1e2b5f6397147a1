#include "tools/mkassets/generate.h"

#include <stdexcept>

#include "tools/mkassets/art.h"
#include "tools/mkassets/catalogue_art.h"
#include "tools/mkassets/media_extra.h"
#include "tools/mkassets/template_save.h"
#include "tools/mkassets/text_data.h"
#include "tools/mkassets/text_render.h"

void GenerateGameFolder(const GenerateOptions& options, AssetSink& sink) {
  namespace fs = std::filesystem;
  sink.gameDir = options.gameDir;
  sink.keepPreviews = options.keepPreviews;
  sink.previewSide = options.previewSide;
  fs::create_directories(options.gameDir);
  ConvertDataTree(options.dataDir, options.gameDir);
  fs::create_directories(options.gameDir / "SAVE");
  GenerateTemplateSave(sink);
  // The media folders are generated whole; stale files of renamed entries must not linger.
  fs::remove_all(options.gameDir / "BMP");
  fs::remove_all(options.gameDir / "WAV");

  // The fonts stay open for the whole generation and are closed at its end, also on an error.
  InitText();
  struct TextSession {
    ~TextSession() { QuitText(); }
  } textSession;
  GenerateFonts(sink);
  GenerateTitle(sink);
  GenerateSymbols(sink);
  GenerateEffects(sink);
  GenerateBackground(sink);
  GenerateObjects(sink);
  GenerateBodies(sink);
  GenerateSurfaces(sink);

  // The catalogues are read from the converted folder, as the game reads them.
  const fs::path ini = options.gameDir / "INI";
  GenerateShipPictures(sink, LoadShipTypes(ini / "Raumschiffe.ini"));
  GenerateWeaponPictures(sink, LoadWeaponTypes(ini / "Waffen.ini"));

  GenerateSounds(sink);
  if (options.voices && VoiceAvailable()) GenerateVoices(sink, ListVoicePlaces(options.gameDir));
}
