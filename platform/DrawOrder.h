// The sky box covers what nothing else covers, and the engine shades each pixel of a pass even when
// something nearer is drawn over it later. Drawn after the rest of the scene, with the depth test,
// its hidden pixels are never shaded; the picture stays the same.
#pragma once

#include <OgrePrerequisites.h>

// The sky box after the scene, moved out past the far corners of the ground so that nothing pokes
// through it: being a cube map, it looks the same at any distance.
void drawSkyLast(Ogre::SceneManager* scene, Ogre::Entity* ground, const Ogre::String& skyMaterial);
