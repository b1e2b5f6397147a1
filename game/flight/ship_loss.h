#pragma once

#include <cstddef>

#include "game/world/catalogues.h"
#include "game/world/world_state.h"

// What the local ship is about to lose with its destruction, read before the respawn clears it:
// the cargo, the weapons carried beyond the ship type's slots (the first `slotsWidth` characters
// of its weapons text) and the running mission with its reward.
ShipLoss DescribeShipLoss(const World& world, const Catalogues& catalogues, const ShipRecord& ship,
                          std::size_t slotsWidth);
