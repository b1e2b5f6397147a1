#pragma once

// What the local player's flight keeps from frame to frame besides the ships themselves. The HUD
// shows the selection and the warnings; docking, weapons and the HUD read the selection.
struct FlightState {
  int selectedObject = -1;  // id of the ship or system object chosen by a left click; -1 none
  int afterburner = 0;      // 0 off, 1 on, -1 exhausted (until V is released)
  int mouseSteering = 0;    // 1 while Space has switched steering by the pointer on
  int heatWarning = 0;      // this frame the local ship is burned by a sun or planet
  int fieldWarning = 0;     // this frame the local ship is inside a radiation field
  int piecesNearby = 0;     // environment pieces inside the 2000 box (developer information)
  int objectsNearby = 0;    // system objects the view took in this frame (developer information)
};
