// Starts the engine as the game does, renders a few frames and saves the window to a PNG.
#include "app/FatalError.h"
#include "app/Startup.h"

#include <OgreRenderWindow.h>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: corvane-shot OUTPUT.png" << std::endl;
        return 2;
    }
    try {
        startEngine();
        Ogre::Camera* camera = gSceneManager->createCamera("Shot Camera");
        camera->setNearClipDistance(1);
        camera->setFarClipDistance(500);
        Ogre::SceneNode* eye = gSceneManager->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(20, 20, 20));
        eye->attachObject(camera);
        eye->lookAt(Ogre::Vector3(0, 5, 0), Ogre::Node::TS_WORLD);
        gRenderWindow->addViewport(camera);
        for (int frame = 0; frame < 3; ++frame)
            gRoot->renderOneFrame();
        gRenderWindow->writeContentsToFile(argv[1]);
    } catch (...) {
        std::cerr << describeFatalError(std::current_exception()) << std::endl;
        return 1;
    }
    return 0;
}
