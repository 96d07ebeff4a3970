// What the desktop reads from a window to tell whose it is: its class (which docks and task bars match
// against the desktop entry), its process and machine, and its icon. The engine sets none of them.
#pragma once

#include <string>
#include <vector>

namespace Ogre {
class RenderWindow;
}

// Class "corvane", "Corvane", the process id and the host name: set before the window is shown, as
// window managers read them when they take the window on.
void introduceWindow(Ogre::RenderWindow* window);

// The window's icon, one picture a size, each read from resource group "General".
void showWindowIcon(Ogre::RenderWindow* window, const std::vector<std::string>& pictures);
