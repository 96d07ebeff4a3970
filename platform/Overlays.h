// Overlays are a component of their own in this engine: the HUD draws only through its overlay system.
#pragma once

#include <OgrePrerequisites.h>

// After the root is built and before it is initialised.
void createOverlaySystem();

// Lets the overlay system draw into the scene.
void attachOverlaySystem(Ogre::SceneManager* sceneManager);
