#include "game/save/quick_save.h"

void QuickSave(const World& /*world*/, const std::filesystem::path& /*gameFolder*/) {}
