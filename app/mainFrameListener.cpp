#include "app/mainFrameListener.h"

#include "app/GameAssembly.h"
#include "hud/GameHud.h"
#include "input/InputHandler.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"
#include "world/Level.h"

mainFrameListener::mainFrameListener()
    : totalTime(0.0f)
{
}

bool mainFrameListener::frameStarted(const Ogre::FrameEvent& event)
{
    const Ogre::Real frameTime = event.timeSinceLastFrame;
    totalTime += frameTime;
    gPlayer->update(totalTime, frameTime);
    gFollowCamera->update(totalTime, frameTime);
    gInputHandler->capture(totalTime, frameTime);
    gHud->update(totalTime, frameTime);
    gLevel->update(totalTime, frameTime);
    return true;
}
