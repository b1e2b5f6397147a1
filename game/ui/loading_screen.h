#pragma once

#include <string>

struct Media;

// The start-up progress screen: the title picture, the progress bar grown to the percentage and
// the text of the group being loaded.
void ShowLoadingScreen(Media& media, int percent, const std::string& text);
