#pragma once

#include <string>

struct Media;

// How start-up ends when it cannot go on: the message box title and text.
struct StartupFailure {
  std::string title = "Error";
  std::string text;
};

// The message for a picture that cannot be loaded.
std::string PictureErrorText(const std::string& dataPath);

// Shows the failure in a message box (not when headless) and on stderr.
void ReportFatalError(const Media& media, const StartupFailure& failure);
