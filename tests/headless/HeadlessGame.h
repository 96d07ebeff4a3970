// The real engine with no render system and no window, the game's media registered and parsed,
// and the one level a test process can build: its meshes and entity names exist once per process.
#pragma once

class Level;
namespace Ogre {
class SceneManager;
}

// Created on first use, once per process; each call gives the same scene manager.
Ogre::SceneManager* headlessScene();

// Built in the headless scene on first use, before any other crate or target. Its first draws are
// fixed: one outside the crate zone, crate 0 at (-11.71875, 8, 0), one too close to crate 0, and
// crate 1 at (11.71875, 8, 3.90625); the rest are random as in the game.
Level* sharedLevel();
