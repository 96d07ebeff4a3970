// Stencil shadows give the camera an infinite far plane, so the engine draws every object of the
// field in view, each lit pass three times and with a shadow volume, even past the end of the haze
// where every object comes out in the haze colour whatever it is. This leaves that work out.
#pragma once

#include <OgrePrerequisites.h>

// Distance from the camera past which every point in its view lies deeper than `hazeEnd`: the haze
// grows with depth along the view, which is shortest in the corners of the picture.
Ogre::Real distancePastHaze(const Ogre::Camera* camera, Ogre::Real hazeEnd);

// From now on, entities whose materials all fade into a linear haze are not drawn, and cast no
// shadow volume, while their bounds lie wholly past it as the camera sees it.
void cullPastHaze(Ogre::SceneManager* scene, Ogre::Camera* camera);
