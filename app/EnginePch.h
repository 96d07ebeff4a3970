// Engine headers precompiled for the tests and tools that build on the game.
#pragma once
#include <OgreEntity.h>
#include <OgreMath.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreVector.h>
