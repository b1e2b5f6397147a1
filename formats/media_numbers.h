#pragma once

// The fixed numbers of the pictures and sounds the game loads or creates (the numbering plan of
// media_plan.cpp). Type codes of world records double as picture numbers (ships 2000 + type,
// projectiles 3000 + weapon, rings 4100, planets 4210.., suns 4310), so those stay arithmetic.

// Pictures loaded from files.
inline constexpr int kPictureCursor = 0;   // the mouse cursor (a cross)
inline constexpr int kPictureArrow = 10;   // the symbol before list entries
inline constexpr int kPictureGlowRed = 1;  // round glows: 1 red, 2 blue, 3 green, 4 white
inline constexpr int kPictureSmoke = 14;
inline constexpr int kPictureBeamFirst = 41;       // 41..44 the four beam pictures
inline constexpr int kPictureFontBase = 100;       // font picture = 100 + colour set + size (3, 5)
inline constexpr int kPictureCompassNeedle = 400;  // "N.bmp", its red end pointing north
inline constexpr int kPictureInfoSymbol = 401;     // "I.bmp"
inline constexpr int kPictureShipMarkers = 500;    // + 1 hostile, 2 neutral, 3 friendly, 5 selected
inline constexpr int kPictureObjectMarkers = 510;  // + 1..5 as above, 4 target
inline constexpr int kPictureFrames = 520;         // + 1..5 brackets
inline constexpr int kPictureEntryFrame = 525;   // the selected bracket, round a hovered list entry
inline constexpr int kPictureLeadMarkers = 530;  // + 1, 2, 3, 5
inline constexpr int kPictureAttitudeLine = 540;  // the attitude bar: -1 at its left end, 1 right
inline constexpr int kPictureAttitudeMark = 541;
inline constexpr int kPictureHullEmpty = 601;  // the status bars: 601/602 hull empty/full,
inline constexpr int kPictureHullFull = 602;   // 701/702 shield, 801/802 energy
inline constexpr int kPictureShieldEmpty = 701;
inline constexpr int kPictureShieldFull = 702;
inline constexpr int kPictureEnergyEmpty = 801;
inline constexpr int kPictureEnergyFull = 802;
inline constexpr int kPictureRadiationWarning = 901;
inline constexpr int kPictureHeatWarning = 902;
inline constexpr int kPictureExplosionWarning = 903;
inline constexpr int kPictureWeaponPod = 3901;
inline constexpr int kPictureDockingRing = 4100;
inline constexpr int kPictureStation = 4101;
inline constexpr int kPictureMine = 4401;
inline constexpr int kPictureStars = 5098;
inline constexpr int kPictureUndiscovered = 5099;
inline constexpr int kPictureShipSymbol = 5101;
inline constexpr int kPictureMapFrame = 5110;         // the background of the HUD's panels
inline constexpr int kPictureWeaponListFrame = 5120;  // the weapon list's background
inline constexpr int kPictureStatusPanel = 5150;
inline constexpr int kPictureButtonHighlight = 5200;
inline constexpr int kPictureButtonWeaponList = 5201;  // the six HUD buttons
inline constexpr int kPictureButtonCompass = 5202;
inline constexpr int kPictureButtonSystemMap = 5203;
inline constexpr int kPictureButtonReputation = 5204;
inline constexpr int kPictureButtonLocation = 5205;
inline constexpr int kPictureButtonDocking = 5206;
inline constexpr int kPictureCloseButton = 5210;
inline constexpr int kPictureScrollDown = 5212;  // a panel's scroll bar: down, thumb, up
inline constexpr int kPictureScrollThumb = 5215;
inline constexpr int kPictureScrollUp = 5218;
inline constexpr int kPictureSmallHighlight = 5220;  // over a scroll arrow
inline constexpr int kPictureInfoPanel = 5230;
inline constexpr int kPictureMetal = 7010;
inline constexpr int kPictureHighlightBar = 7012;  // the bar of light behind menu items
inline constexpr int kPictureLogo = 9000;          // the loading screen's picture
inline constexpr int kPictureLoadBar = 9001;       // and its progress bar

// Pictures the game creates at start-up and draws into.
inline constexpr int kPictureScreenshot = 1000;  // the screen grabbed for a screenshot
inline constexpr int kPictureWindow = 5010;      // 220 x 220
inline constexpr int kPictureRoundMask = 5020;   // 220 x 220 circular window mask, white keyed
inline constexpr int kPictureOverlay = 5231;     // 1024 x 768 full-screen text overlay (tooltips)
inline constexpr int kPictureHelpPage = 5232;    // 1024 x 368 help page and data-sheet plate
inline constexpr int kPictureSystemMap = 5300;   // 510 x 510, and 5301 its 500 x 500 layer
inline constexpr int kPicturePanel = 5300;       // the same picture, shared by the flight panels
inline constexpr int kPictureSystemMapLayer = 5301;
inline constexpr int kPictureWeaponList = 5320;  // 510 x 510, and 5321 its 500 x 500 layer
inline constexpr int kPictureWeaponListLayer = 5321;
inline constexpr int kPictureFade = 9999;  // 1 x 1 almost black, stretched over the screen

// Sounds.
inline constexpr int kSoundDockingVoice1 = 10;  // 10..13 the docking announcement, in order
inline constexpr int kSoundDockingVoice2 = 11;
inline constexpr int kSoundDockingVoice3 = 12;
inline constexpr int kSoundDockingVoice4 = 13;
inline constexpr int kSoundHover = 100;  // the pointer moves onto a menu item
inline constexpr int kSoundClick = 101;
inline constexpr int kSoundShotBase = 1000;  // a shot of weapon kind k plays 1000 + k
inline constexpr int kSoundExplosion = 2001;
