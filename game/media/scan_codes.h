#pragma once

// The keys the game reacts to, by set-1 scan code (extended keys as 128 + code).
constexpr int kKeyEscape = 1;
constexpr int kKeyBackspace = 14;
constexpr int kKeyReturn = 28;
constexpr int kKeyLeftShift = 42;
constexpr int kKeyRightShift = 54;
constexpr int kKeyF10 = 68;
constexpr int kKeyF12 = 88;
constexpr int kKeyHome = 199;
constexpr int kKeyLeft = 203;
constexpr int kKeyRight = 205;
constexpr int kKeyEnd = 207;
constexpr int kKeyDelete = 211;

// Flight keys.
constexpr int kKey1 = 2;
constexpr int kKey2 = 3;
constexpr int kKey0 = 11;
constexpr int kKeyW = 17;
constexpr int kKeyU = 22;
constexpr int kKeyLeftCtrl = 29;
constexpr int kKeyA = 30;
constexpr int kKeyS = 31;
constexpr int kKeyD = 32;
constexpr int kKeyV = 47;
constexpr int kKeyB = 48;
constexpr int kKeySpace = 57;
constexpr int kKeyF1 = 59;
constexpr int kKeyF5 = 63;
constexpr int kKeyF9 = 67;
