// The software renderer covers every pixel of a pass, even where the pass adds nothing or where it is
// hidden. Clip planes leave two such parts out, the picture staying the same: the ground's haze pass
// nearer than where the haze begins, which is most of the ground in view, and the sky box below the
// far edge of the ground, which the ground hides.
#pragma once

#include <OgreAxisAlignedBox.h>
#include <OgrePrerequisites.h>

// Once in a run: from now on, `hazePass` is drawn only deeper than where its own linear haze begins
// (its vertex program hands the clip test the position in view space, `gl_ClipVertex`), and `skyPass`
// only above the far edge of `ground`, the world bounds of a level ground, as seen from the camera.
void clipHiddenPixels(Ogre::SceneManager* scene, const Ogre::Pass* hazePass, const Ogre::Pass* skyPass,
    const Ogre::AxisAlignedBox& ground);
