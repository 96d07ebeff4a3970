// The game's only frame listener: advances every game object once per frame, in a fixed order.
#pragma once

#include <OgreFrameListener.h>

class mainFrameListener : public Ogre::FrameListener {
public:
    mainFrameListener();

    bool frameStarted(const Ogre::FrameEvent& event) override;

    Ogre::Real getTotalTime() const { return totalTime; }

private:
    Ogre::Real totalTime;
};
