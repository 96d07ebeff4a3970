// Engine start-up and the main loop.
#pragma once

namespace Ogre {
class RenderSystem;
class RenderWindow;
class Root;
class SceneManager;
}

extern Ogre::Root* gRoot;
extern Ogre::RenderWindow* gRenderWindow;
extern Ogre::SceneManager* gSceneManager;

// Refuses to start where another copy of the game runs: it would write over that copy's log.
void claimLog();

// Root, plug-ins, render system, window, scene manager, light, shadows, media.
void startEngine();

// The first render system the loaded plug-ins offer; throws, saying so, when there is none.
Ogre::RenderSystem* firstAvailableRenderer();

// The eight media locations of group "General", in their fixed order; throws when there is no media tree.
void registerMediaLocations();

// Initialises every resource group; throws, naming it, on the first piece of media that is broken or missing.
void loadMedia();

// Renders until the window is closed.
void runMainLoop();
