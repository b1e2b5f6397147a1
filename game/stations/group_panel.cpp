#include "game/stations/group_panel.h"

#include <cmath>

#include "formats/group_catalogue.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "game/ui/bitmap_text.h"
#include "game/world/attitudes.h"

namespace {

constexpr int kRows = 8;
constexpr int kBarHeight = 7;
constexpr int kBarOrigin = 115;  // where attitude 0 lies on the panel
constexpr int kBarMiddle = 100;  // and in the bar picture

// The bar of one row: the part of the bar picture from its middle outwards, |r| x 100 wide.
void DrawAttitudeBar(Media& media, float r, int y) {
  const int width = RoundToInt(std::fabs(r) * 100);
  if (width <= 0) return;
  if (r >= 0) {
    ClipPicture(media, kPictureAttitudeLine, kBarMiddle, 0, width, kBarHeight);
    DrawKeyed(media, kPictureAttitudeLine, kBarOrigin, y);
  } else {
    ClipPicture(media, kPictureAttitudeLine, kBarMiddle - width, 0, width, kBarHeight);
    DrawKeyed(media, kPictureAttitudeLine, kBarOrigin - width, y);
  }
}

void DrawGroupRows(Media& media, const World& world, int scroll, int selected) {
  const GroupCatalogue& groups = world.groups;
  for (int i = 1; i <= groups.groupCount; ++i) {
    const int k = i - scroll;
    if (k < 1 || k > kRows) continue;
    const float r = GroupRelation(groups, 0, i);
    DrawAttitudeBar(media, r, 50 + 20 * k);
    const int colour = i == selected ? kActiveText : AttitudeColourSet(r);
    const std::string& name = i < int(groups.groupNames.size()) ? groups.groupNames[i] : "";
    DrawText(media, name, 235, 45 + 20 * k, 5, kAlignLeft, colour);
  }
}

}  // namespace

int GroupPanelThumb(int groupCount, int groupListScroll) {
  if (groupCount <= kRows) return 0;
  return RoundToInt(groupListScroll * 100.0 / (groupCount - kRows));
}

void DrawGroupPanel(Media& media, const World& world, const GroupTexts& texts, int groupListScroll,
                    int selectedGroup) {
  DrawInto(media, kPictureSystemMap);
  DrawOpaque(media, kPictureMapFrame, 0, 0);
  DrawText(media, "Stimmungen", 15, 15, 5, kAlignLeft, kNormalText);
  DrawText(media,
           "Infos \xFC"
           "ber die Gruppe",
           15, 255, 5, kAlignLeft, kNormalText);
  DrawGroupRows(media, world, groupListScroll, selectedGroup);
  ClipPicture(media, kPictureAttitudeLine, 0, 0, PictureWidth(media, kPictureAttitudeLine),
              PictureHeight(media, kPictureAttitudeLine));
  DrawKeyed(media, kPictureScrollUp, 475, 65);
  DrawKeyed(media, kPictureScrollThumb, 475,
            85 + GroupPanelThumb(world.groups.groupCount, groupListScroll));
  DrawKeyed(media, kPictureScrollDown, 475, 205);
  const auto& lines = texts.groupTexts;
  if (selectedGroup >= 0 && selectedGroup < static_cast<int>(lines.size())) {
    for (int n = 0; n < kGroupTextLines; ++n) {
      DrawText(media, lines[selectedGroup][n], 25, 295 + 15 * n, 3, kAlignLeft, kNeutralText);
    }
  }
  EndDraw(media);
}
