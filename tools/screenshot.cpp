// Starts the engine as the game does, builds a named scene and saves the window as PNG pictures.
#include "tools/ShotScene.h"

#include "app/FatalError.h"
#include "app/Startup.h"

#include <OgreCamera.h>
#include <OgreRenderWindow.h>

#include <iostream>

namespace {

const int warmUpFrames = 3;

ShotSceneRegistrar emptyScene("empty", [](ShotContext& context, const auto& save) {
    context.eye->setPosition(20, 20, 20);
    context.eye->lookAt(Ogre::Vector3(0, 5, 0), Ogre::Node::TS_WORLD);
    save("");
});

} // namespace

std::map<std::string, ShotScene>& shotScenes()
{
    static std::map<std::string, ShotScene> scenes;
    return scenes;
}

int main(int argc, char** argv)
{
    if (argc != 3 || !shotScenes().count(argv[1])) {
        std::cerr << "usage: corvane-shot SCENE OUTPUT.png; scenes:";
        for (const auto& scene : shotScenes())
            std::cerr << ' ' << scene.first;
        std::cerr << std::endl;
        return 2;
    }
    const std::string output = argv[2];
    const std::string stem = output.substr(0, output.rfind(".png"));
    try {
        startEngine();
        Ogre::Camera* camera = gSceneManager->createCamera("Shot Camera");
        camera->setNearClipDistance(1);
        camera->setFarClipDistance(500);
        camera->setAutoAspectRatio(true);
        Ogre::SceneNode* eye = gSceneManager->getRootSceneNode()->createChildSceneNode();
        eye->attachObject(camera);
        gRenderWindow->addViewport(camera);
        ShotContext context{gSceneManager, camera, eye};
        shotScenes().at(argv[1])(context, [&](const std::string& suffix) {
            for (int frame = 0; frame < warmUpFrames; ++frame)
                gRoot->renderOneFrame();
            const std::string file = suffix.empty() ? output : stem + "-" + suffix + ".png";
            gRenderWindow->writeContentsToFile(file);
            std::cout << "saved " << file << std::endl;
        });
    } catch (...) {
        std::cerr << describeFatalError(std::current_exception()) << std::endl;
        return 1;
    }
    return 0;
}
