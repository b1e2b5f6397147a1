#pragma once

#include <cstdint>

#include "game/hud/hud_context.h"

// The place information, the group reputation and the system map are all drawn from one panel
// picture, so only one of them is shown at a time: opening one closes the other two.

inline constexpr int kPanelX = 245;  // where the panel picture is drawn on the screen
inline constexpr int kPanelY = 145;

// The switch of a panel of the shared picture.
int& PanelSwitch(HudState& hud, PanelContent panel);

// Closes the other panels of the shared picture and makes sure the next check renders this one.
void OpenSharedPanel(HudState& hud, PanelContent panel);

// Renders the panel into the shared picture unless the picture already shows it as described by
// `key`.
void RenderPanelIfChanged(HudContext& hud, PanelContent panel, std::uint64_t key,
                          void (*render)(HudContext&));

// The shown panel's frame before its controls: the close button (false when it closed the panel),
// then the picture, rendered first when it does not show what `key` describes.
bool DrawSharedPanel(HudContext& hud, PanelContent panel, std::uint64_t key,
                     void (*render)(HudContext&));
