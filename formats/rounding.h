#pragma once

// Every value the game or its files "round to the nearest integer" goes through here: halves go
// to the even neighbour (1.5 -> 2, 2.5 -> 2, -0.5 -> 0). Values beyond the int range saturate and
// NaN gives 0.
int RoundToInt(double value);
