#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/velmarith-data/check_context.h"

// One place file: offers by catalogue name, stock figures in catalogue order, people.
// `systemPlaces` are the place names of the system (for "Info über Ort:").
void CheckPlace(CheckContext& context, std::string_view path, std::string_view bytes,
                const std::vector<std::string>& systemPlaces);
