// The real engine with no render system and no window, the game's media registered and parsed, and
// levels to play in.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

class Level;

// Created on first use, once per process; each call gives the same scene manager.
Ogre::SceneManager* headlessScene();
// A new, empty scene of the same engine.
Ogre::SceneManager* newScene();

// A level built in the scene from draws that lay out every one alike: one outside the crate zone, crate 0
// at (-11.71875, 8, 0), one too close to crate 0, crate 1 at (11.71875, 8, 3.90625), then a fixed sequence.
// Kept, as the game keeps its level, until the process ends.
Level* newLevel(Ogre::SceneManager* scene);

// Such a level in the headless scene, built before any other crate or target, so that its objects are named
// from "crate_0000" and "target_0000". Tests that shoot, move or drive a level build one of their own.
Level* sharedLevel();

// Checks that a plane entity is drawn as one quad, `size` across round `centre` (x by z), lit as facing up, with
// its texture spread over it once.
void expectPlate(Ogre::Entity* plane, const Ogre::Vector3& centre, const Ogre::Vector2& size);
