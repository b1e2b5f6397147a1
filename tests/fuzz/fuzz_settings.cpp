// The settings file: any bytes read without harm, and what is read writes back to a file that
// reads the same.
#include "game/world/settings.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Settings settings = ParseSettings(std::string(FuzzBytes(data, size)));
  const Settings again = ParseSettings(FormatSettings(settings));
  FuzzRequire(again.routePlasmaAmount == settings.routePlasmaAmount, "the plasma amount survives");
  FuzzRequire(again.myAccountId == settings.myAccountId, "the account id survives");
  FuzzRequire(again.fullscreen == settings.fullscreen && again.renderer == settings.renderer,
              "the display and the renderer survive");
  FuzzRequire(again.effectsVolume == settings.effectsVolume &&
                  again.announcementVolume == settings.announcementVolume,
              "the volumes survive");
  return 0;
}
