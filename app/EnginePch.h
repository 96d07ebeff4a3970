// Engine headers shared by every translation unit of the game.
#pragma once
#include <OgreEntity.h>
#include <OgreMath.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreVector.h>
