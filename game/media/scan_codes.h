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
