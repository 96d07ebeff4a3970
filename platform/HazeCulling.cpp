#include "platform/HazeCulling.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMaterial.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Where every pass of the entity's materials fades into a linear haze, the farthest end of it; 0 otherwise.
Ogre::Real hazeEndOf(Ogre::Entity* entity)
{
    Ogre::Real end = 0;
    for (Ogre::SubEntity* part : entity->getSubEntities()) {
        Ogre::Technique* technique = part->getMaterial()->getBestTechnique();
        if (!technique)
            return 0;
        for (const Ogre::Pass* pass : technique->getPasses()) {
            if (!pass->getFogOverride() || pass->getFogMode() != Ogre::FOG_LINEAR)
                return 0;
            end = std::max(end, pass->getFogEnd());
        }
    }
    return end;
}

// The engine measures an object against its rendering distance only while the object is in view,
// and a stale measure would keep an object that came near out of view from casting its shadow into
// the view: every frame, before the scene is culled, all of them are measured.
class DistanceRefresh : public Ogre::SceneManager::Listener {
public:
    DistanceRefresh(Ogre::Camera* camera, std::vector<Ogre::MovableObject*> objects)
        : camera(camera)
        , objects(std::move(objects))
    {
    }

    void preFindVisibleObjects(Ogre::SceneManager*, Ogre::SceneManager::IlluminationRenderStage, Ogre::Viewport*) override
    {
        for (Ogre::MovableObject* object : objects)
            object->MovableObject::_notifyCurrentCamera(camera);
    }

private:
    Ogre::Camera* camera;
    std::vector<Ogre::MovableObject*> objects;
};

// Kept for the rest of the run, as the game's objects are; the scene manager forgets its listeners
// when the engine shuts down.
DistanceRefresh* distanceRefresh = nullptr;

} // namespace

Ogre::Real distancePastHaze(const Ogre::Camera* camera, Ogre::Real hazeEnd)
{
    const Ogre::Real halfHeight = std::tan(camera->getFOVy().valueRadians() / 2);
    const Ogre::Real halfWidth = halfHeight * camera->getAspectRatio();
    // A point at a given depth in a corner of the view lies this many times farther from the eye.
    return hazeEnd * std::sqrt(1 + halfWidth * halfWidth + halfHeight * halfHeight);
}

void cullPastHaze(Ogre::SceneManager* scene, Ogre::Camera* camera)
{
    std::vector<Ogre::MovableObject*> culled;
    for (const auto& named : scene->getMovableObjects(Ogre::EntityFactory::FACTORY_TYPE_NAME)) {
        Ogre::Entity* entity = static_cast<Ogre::Entity*>(named.second);
        const Ogre::Real hazeEnd = hazeEndOf(entity);
        if (hazeEnd <= 0)
            continue;
        entity->setRenderingDistance(distancePastHaze(camera, hazeEnd));
        culled.push_back(entity);
    }
    distanceRefresh = new DistanceRefresh(camera, std::move(culled));
    scene->addListener(distanceRefresh);
}
