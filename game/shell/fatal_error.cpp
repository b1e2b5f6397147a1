#include "game/shell/fatal_error.h"

#include <cstdio>

#include "formats/latin1.h"
#include "game/media/media.h"

std::string PictureErrorText(const std::string& dataPath) {
  return "! FEHLER !  Datei \"" + dataPath + "\" konnte nicht geladen werden!";
}

void ReportFatalError(const Media& media, const StartupFailure& failure) {
  const std::string title = Latin1ToUtf8(failure.title);
  const std::string text = Latin1ToUtf8(failure.text);
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  ShowErrorBox(media, title, text);
}
