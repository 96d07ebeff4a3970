// The real engine with no render system and no window, the game's media registered and parsed.
#pragma once

namespace Ogre {
class SceneManager;
}

// Created on first use, once per process; each call gives the same scene manager.
Ogre::SceneManager* headlessScene();
