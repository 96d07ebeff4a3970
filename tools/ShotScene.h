// Scenes the screenshot tool can render, each registered by name from its own source file.
#pragma once

#include <functional>
#include <map>
#include <string>

namespace Ogre {
class Camera;
class SceneManager;
class SceneNode;
}

// What a scene gets to work with: the started engine's scene and a camera on its own node.
struct ShotContext {
    Ogre::SceneManager* scene;
    Ogre::Camera* camera;
    Ogre::SceneNode* eye;
};

// A scene builds its content, places the eye and renders; it may save several pictures
// with the given function, which appends the suffix to the output name.
using ShotScene = std::function<void(ShotContext&, const std::function<void(const std::string& suffix)>& save)>;

std::map<std::string, ShotScene>& shotScenes();

struct ShotSceneRegistrar {
    ShotSceneRegistrar(const std::string& name, ShotScene scene) { shotScenes()[name] = std::move(scene); }
};
