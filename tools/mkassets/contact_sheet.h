#pragma once

#include <string>

#include "tools/mkassets/asset_sink.h"

// One picture of every remembered picture with its numbers and file name, for review.
Image ContactSheet(const AssetSink& sink, int columns);
