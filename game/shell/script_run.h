#pragma once

#include "game/shell/script_reader.h"

struct Game;

// Runs the script from now on: the first frame's input is given at once, every finished frame
// carries out its commands and gives the input of the frame after it.
void AttachScript(Game& game, ScriptRun& script);

// What happens at the end of each frame (a frame hook of the game).
void OnScriptFrame(Game& game, ScriptRun& script);
