#pragma once

#include <string>
#include <vector>

#include "formats/ship_catalogue.h"
#include "formats/weapon_catalogue.h"
#include "tools/mkassets/asset_sink.h"

// Pictures named by the catalogues: a ship picture and its marker picture per ship type, a
// projectile and a list/trail picture per weapon type.

// Ship picture side for a ship of the given radius: a multiple of 4 (so the centre and the
// marker points fall on even pixels), between 96 and 256.
int ShipPictureSide(int size);

// Per ship type the picture (nose along +x, as the game turns its sprites) and the marker
// picture, whose points the mount scan turns into `slotCount` mounts on the front half of the
// hull and one exhaust point at the stern.
void GenerateShipPictures(AssetSink& sink, const ShipCatalogue& ships);

// The shot (drawn additively, 16 x 16 on screen, flying along +x) and the small picture used in
// lists and for the shot's trail particles.
Image WeaponProjectile(const WeaponType& weapon);
Image WeaponIcon(const WeaponType& weapon);
void GenerateWeaponPictures(AssetSink& sink, const WeaponCatalogue& weapons);
