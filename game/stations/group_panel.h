#pragma once

#include "formats/text_collections.h"
#include "game/media/media.h"
#include "game/world/world_state.h"

// The group reputation panel ("Stimmungen"), rendered into the shared 510 x 510 panel picture
// (5300) over the panel background: eight groups from `groupListScroll` + 1 on, each with a bar
// of the player's attitude growing from the middle (left for hostile, right for friendly) and its
// name in the colour of its category (the selected one highlighted), the list's scroll marks, and
// the nine lines about the selected group. The HUD shows the picture and handles its controls.
void DrawGroupPanel(Media& media, const World& world, const GroupTexts& texts, int groupListScroll,
                    int selectedGroup);

// Where the scroll thumb sits below its top place: the scroll's share of the 100 pixels between
// the marks. With eight groups or fewer there is nothing to scroll and it stays at the top.
int GroupPanelThumb(int groupCount, int groupListScroll);
