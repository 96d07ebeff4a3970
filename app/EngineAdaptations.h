// What this engine version needs beyond the classic start-up sequence.
#pragma once

#include <string>

namespace Ogre {
class SceneManager;
}

// Full paths of the plug-ins, as installed with the engine.
std::string renderSystemPlugin();
std::string octreePlugin();

// Right after the root: overlay system, image codec, quiet console.
void prepareEngine();

// Lets the overlay system draw into the scene.
void attachOverlaySystem(Ogre::SceneManager* sceneManager);

// The engine's own shadow-volume programs, in its internal group.
void registerShadowVolumePrograms();

// After the resource groups are initialised: fonts loaded, required media checked, fog of the
// passes split for stencil shadows mended.
void finishResourceLoading();
