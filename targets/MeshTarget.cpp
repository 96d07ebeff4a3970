#include "targets/MeshTarget.h"

#include "world/GameEventListener.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

const Ogre::Real hitRadius = 13.5f;

} // namespace

MeshTarget::MeshTarget(Ogre::SceneManager* scene, const Ogre::String& entityName, const Ogre::String& meshName,
    const Ogre::Vector3& scale, Ogre::Real fullHealth, const Ogre::Vector3& position)
    : node(nullptr), entity(nullptr), radius(hitRadius), health(fullHealth), maxHealth(fullHealth), events(nullptr)
{
    // Casts a shadow, as every entity does unless told otherwise.
    entity = scene->createEntity(entityName, meshName);
    node = scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    node->attachObject(entity);
    node->scale(scale);
    node->translate(position, Ogre::Node::TS_PARENT);
}

Ogre::Real MeshTarget::hit(Ogre::Real distance)
{
    const Ogre::Real damage = radius - distance;
    const Ogre::Real score = health > 0 ? damage : 0;
    const bool wasIntact = health >= maxHealth / 2;
    const bool wasStanding = health >= 0;
    health -= damage;
    if (health < 0) {
        destroy();
        if (wasStanding && events)
            events->targetDestroyed(this, getCenter());
    } else if (health < maxHealth / 2) {
        crack();
        if (wasIntact && events)
            events->targetCracked(this, getCenter());
    }
    return score;
}

void MeshTarget::setEventListener(GameEventListener* listener)
{
    events = listener;
}

Ogre::Real MeshTarget::getRadius()
{
    return radius;
}
