// Engine start-up and the main loop.
#pragma once

namespace Ogre {
class Root;
class RenderWindow;
class SceneManager;
}

extern Ogre::Root* gRoot;
extern Ogre::RenderWindow* gRenderWindow;
extern Ogre::SceneManager* gSceneManager;

// Root, plug-ins, render system, window, scene manager, light, shadows, media.
void startEngine();

// The eight media locations of group "General", in their fixed order.
void registerMediaLocations();

// Renders until the window is closed.
void runMainLoop();
