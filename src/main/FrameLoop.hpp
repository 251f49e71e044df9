#pragma once

struct App;

// Runs frames of the application's active state until a close request arrives or the state
// stops itself, then cleans up the state of the last frame. Returns the process's exit code.
//
// A frame: take the active state; hand it every queued event but the close request (draining
// goes on after one); update it; let it draw into the window; show the frame.
int RunFrameLoop(App& app);
