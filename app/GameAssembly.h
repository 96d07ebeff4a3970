// Creates and wires every object of the game, once, before the main loop.
#pragma once

namespace Ogre {
class Camera;
}

class GameHud;
class InputHandler;
class Level;
class PlayerController;
class Soldier;
class ThirdPersonCamera;

extern InputHandler* gInputHandler;
extern Ogre::Camera* gCamera;
extern GameHud* gHud;
extern Level* gLevel;
extern Soldier* gPlayer;
extern ThirdPersonCamera* gFollowCamera;
extern PlayerController* gPlayerController;

void assembleGame();
