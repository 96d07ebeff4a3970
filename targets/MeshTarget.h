// A shootable mesh on its own node, with the health and hit rule crates and targets share.
#pragma once

#include "targets/AbstractTarget.h"

#include <OgreString.h>

class GameEventListener;

class MeshTarget : public AbstractTarget {
public:
    Ogre::Real hit(Ogre::Real distance) override;
    Ogre::Real getRadius() override;

    Ogre::Real getHealth() const { return health; }
    Ogre::Real getMaxHealth() const { return maxHealth; }
    // Told when the cracked and the destroyed look first appear; none by default.
    void setEventListener(GameEventListener* listener);

protected:
    MeshTarget(Ogre::SceneManager* scene, const Ogre::String& entityName, const Ogre::String& meshName,
        const Ogre::Vector3& scale, Ogre::Real fullHealth, const Ogre::Vector3& position);

    Ogre::SceneNode* node;
    Ogre::Entity* entity;
    Ogre::Real radius;
    Ogre::Real health;
    Ogre::Real maxHealth;
    GameEventListener* events;
};
