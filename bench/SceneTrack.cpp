#include "SceneTrack.h"

#include "platform/DeprecatedPose.h"

#include <OgreAnimationState.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <fstream>
#include <istream>
#include <stdexcept>

namespace {

// Names of animations in a track are the entity's name, this separator, and the animation's name.
const char animationSeparator = '/';

// The entities of a node and its children, parents before children, so that setting world poses
// in this order never moves an entity already placed.
void collectEntities(Ogre::SceneNode* node, std::vector<Ogre::Entity*>& entities)
{
    for (Ogre::MovableObject* object : node->getAttachedObjects())
        if (Ogre::Entity* entity = dynamic_cast<Ogre::Entity*>(object))
            entities.push_back(entity);
    for (Ogre::Node* child : node->getChildren())
        collectEntities(static_cast<Ogre::SceneNode*>(child), entities);
}

void put(std::vector<Ogre::Real>& values, const Ogre::Vector3& v)
{
    values.insert(values.end(), {v.x, v.y, v.z});
}

void put(std::vector<Ogre::Real>& values, const Ogre::Quaternion& q)
{
    values.insert(values.end(), {q.w, q.x, q.y, q.z});
}

struct Reader {
    const std::vector<Ogre::Real>& values;
    size_t at = 0;
    Ogre::Real real() { return values.at(at++); }
    Ogre::Vector3 vector()
    {
        const Ogre::Real x = real(), y = real(), z = real();
        return Ogre::Vector3(x, y, z);
    }
    Ogre::Quaternion quaternion()
    {
        const Ogre::Real w = real(), x = real(), y = real(), z = real();
        return Ogre::Quaternion(w, x, y, z);
    }
};

} // namespace

void SceneTrack::capture(Ogre::SceneManager* scene, Ogre::Camera* camera)
{
    Frame frame;
    put(frame.values, camera->getDerivedPosition());
    put(frame.values, camera->getDerivedOrientation());
    // Only what changed is kept, so that a replay touches no more of the scene than the game did.
    auto keepIfChanged = [&](const std::string& name, const std::vector<Ogre::Real>& values) {
        std::vector<Ogre::Real>& last = lastCaptured[name];
        if (values == last)
            return;
        last = values;
        frame.names.push_back(name);
        frame.values.insert(frame.values.end(), values.begin(), values.end());
    };
    std::vector<Ogre::Entity*> entities;
    collectEntities(scene->getRootSceneNode(), entities);
    for (Ogre::Entity* entity : entities) {
        std::vector<Ogre::Real> pose;
        put(pose, entity->getParentSceneNode()->_getDerivedPosition());
        put(pose, entity->getParentSceneNode()->_getDerivedOrientation());
        pose.push_back(entity->getVisible() ? 1 : 0);
        keepIfChanged(entity->getName(), pose);
        if (Ogre::AnimationStateSet* states = entity->getAllAnimationStates())
            for (const auto& named : states->getAnimationStates())
                keepIfChanged(entity->getName() + animationSeparator + named.first,
                    {named.second->getEnabled() ? 1.0f : 0.0f, named.second->getWeight(),
                        named.second->getTimePosition()});
    }
    frames.push_back(frame);
}

void SceneTrack::apply(Ogre::SceneManager* scene, Ogre::Camera* camera, size_t index) const
{
    const Frame& frame = frames.at(index);
    Reader read{frame.values};
    DeprecatedPose::setPosition(camera, read.vector());
    DeprecatedPose::setOrientation(camera, read.quaternion());
    for (const std::string& name : frame.names) {
        const size_t separator = name.find(animationSeparator);
        if (separator != std::string::npos) {
            Ogre::AnimationState* state
                = scene->getEntity(name.substr(0, separator))->getAnimationState(name.substr(separator + 1));
            state->setEnabled(read.real() != 0);
            state->setWeight(read.real());
            state->setTimePosition(read.real());
            continue;
        }
        Ogre::Entity* entity = scene->getEntity(name);
        Ogre::SceneNode* node = entity->getParentSceneNode();
        // The parent's world pose must be current before a world pose can be turned into a local one.
        node->getParent()->_update(false, true);
        node->_setDerivedPosition(read.vector());
        node->_setDerivedOrientation(read.quaternion());
        entity->setVisible(read.real() != 0);
    }
}

void SceneTrack::save(const std::string& path) const
{
    std::ofstream out(path);
    out.precision(9);
    for (const Frame& frame : frames) {
        out << frame.names.size() << ' ' << frame.values.size() << '\n';
        for (const std::string& name : frame.names)
            out << name << '\n';
        for (Ogre::Real value : frame.values)
            out << value << ' ';
        out << '\n';
    }
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void SceneTrack::load(const std::string& path)
{
    std::ifstream in(path);
    size_t nameCount = 0, valueCount = 0;
    while (in >> nameCount >> valueCount) {
        Frame frame;
        frame.names.resize(nameCount);
        frame.values.resize(valueCount);
        for (std::string& name : frame.names)
            std::getline(in >> std::ws, name);
        for (Ogre::Real& value : frame.values)
            in >> value;
        frames.push_back(frame);
    }
    if (frames.empty())
        throw std::runtime_error("no frames in " + path);
}
