// Closing the window: this engine's message pump never sees a window manager's close request
// (its window advertises no WM_DELETE_WINDOW), so the game takes those requests itself.
#pragma once

namespace Ogre {
class RenderWindow;
}

// Advertises WM_DELETE_WINDOW on the window and registers it with the engine's pump.
void acceptCloseRequests(Ogre::RenderWindow* window);

// Takes the window's pending client messages; a close request destroys the window.
void pumpCloseRequests(Ogre::RenderWindow* window);
