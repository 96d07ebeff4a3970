// Additive stencil shadows need the engine's own shadow-volume programs, which this engine does not register.
#pragma once

// Registers them in the engine's internal resource group, apart from the game's media.
void registerShadowVolumePrograms();
