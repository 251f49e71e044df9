#pragma once

namespace gfx
{
class RenderWindow;
}

// A window system answers a new window or a resize later, with events of its own. Runs that must
// repeat exactly (the tools, the tests) wait for those answers and drop them, past the input
// state, so that a scene hears only of the input it is given.

// Drops what a new window hears of being mapped, sized, focused and entered: waits until the
// system has been quiet for a moment (half a second at most).
void DropStartupEvents(gfx::RenderWindow& window);

// Resizes the window and takes the system's report of the new size off the queue. Returns false
// when no report came within two seconds. Drops the system's events ahead of the report; pushed
// events stay queued.
bool ResizeAndAwaitReport(gfx::RenderWindow& window, unsigned int width, unsigned int height);
