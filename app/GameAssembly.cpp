#include "app/GameAssembly.h"

#include "app/Startup.h"
#include "app/mainFrameListener.h"
#include "common/MediaContract.h"
#include "hud/GameHud.h"
#include "input/InputHandler.h"
#include "input/PlayerController.h"
#include "input/ThirdPersonCamera.h"
#include "platform/DeprecatedPose.h"
#include "platform/DrawOrder.h"
#include "platform/HazeCulling.h"
#include "platform/HiddenPixelClip.h"
#include "player/Soldier.h"
#include "world/Level.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMaterial.h>
#include <OgreMaterialManager.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>

InputHandler* gInputHandler = nullptr;
Ogre::Camera* gCamera = nullptr;
GameHud* gHud = nullptr;
Level* gLevel = nullptr;
Soldier* gPlayer = nullptr;
ThirdPersonCamera* gFollowCamera = nullptr;
PlayerController* gPlayerController = nullptr;

void assembleGame()
{
    gInputHandler = new InputHandler(gRenderWindow);

    gCamera = gSceneManager->createCamera("Main Camera");
    DeprecatedPose::setPosition(gCamera, Ogre::Vector3(20, 20, 20));
    DeprecatedPose::lookAt(gCamera, Ogre::Vector3(0, 5, 0));
    gCamera->setFarClipDistance(500);
    gCamera->setNearClipDistance(1);
    gRenderWindow->addViewport(gCamera, 0, 0, 0, 1, 1);
    gRenderWindow->setActive(true);

    gHud = new GameHud();
    gLevel = new Level(gSceneManager);
    gPlayer = new Soldier(gSceneManager, gHud, gLevel);
    gPlayer->setTruckNode(gLevel->getTruckNode());
    gPlayer->setRiding(true);

    gFollowCamera = new ThirdPersonCamera();
    gFollowCamera->setCamera(gCamera);
    gFollowCamera->setTarget(gPlayer);

    gPlayerController = new PlayerController(gPlayer, gFollowCamera, gHud);
    gInputHandler->setController(gPlayerController);

    // Work the software renderer would do for nothing, left out; the picture stays the same.
    cullPastHaze(gSceneManager, gCamera);
    Ogre::Entity* ground = gSceneManager->getEntity("GroundEntity");
    drawSkyLast(gSceneManager, ground, Media::Materials::sky);
    clipHiddenPixels(gSceneManager, ground->getSubEntity(0)->getMaterial()->getTechnique(0)->getPass("Haze"),
        Ogre::MaterialManager::getSingleton().getByName(Media::Materials::sky)->getTechnique(0)->getPass(0),
        ground->getWorldBoundingBox(true));

    gRoot->addFrameListener(new mainFrameListener());
}
