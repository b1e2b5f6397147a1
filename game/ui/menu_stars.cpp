#include "game/ui/menu_stars.h"

#include "game/world/world_lists.h"

namespace {

constexpr int kCloudCount = 4;
const int kCloudSprites[] = {1021, 1022};  // gas clouds: soft nebulae when drawn faint and large

}  // namespace

void CreateMenuStars(CursorList<MenuStarRecord>& stars, Rng& rng) {
  stars.Clear();
  for (int i = 0; i < kMenuStarCount; ++i) {
    const bool cloud = i >= kMenuStarCount - kCloudCount;
    // Each add lands after the record added before it, so the list keeps creation order.
    AddMenuStar(stars, {
                           .kind = cloud ? 2 : 1,
                           .sprite = cloud ? kCloudSprites[RandomInt(rng, 1)] : 0,
                           .x = static_cast<float>(RandomInt(rng, 1224) - 100),
                           .y = static_cast<float>(RandomInt(rng, 768)),
                           .size = cloud ? 150 + RandomInt(rng, 100) : 1 + RandomInt(rng, 9),
                           .phase = 0,
                       });
  }
}
