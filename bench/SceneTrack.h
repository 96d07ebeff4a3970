#pragma once

#include <OgrePrerequisites.h>

#include <map>
#include <string>
#include <vector>

// Where everything of a scene stood in each frame of a run: the camera, and the world pose and
// visibility of every entity and the pose of every animation where they changed. Captured from the
// game, it lets the bare engine show the same frames without any game logic.
class SceneTrack {
public:
    void capture(Ogre::SceneManager* scene, Ogre::Camera* camera);
    // Poses the scene as it stood in frame `index`, counting from the first captured.
    void apply(Ogre::SceneManager* scene, Ogre::Camera* camera, size_t index) const;
    void save(const std::string& path) const;
    void load(const std::string& path);

private:
    struct Frame {
        std::vector<std::string> names;
        std::vector<Ogre::Real> values;
    };
    std::vector<Frame> frames;
    std::map<std::string, std::vector<Ogre::Real>> lastCaptured;
};
