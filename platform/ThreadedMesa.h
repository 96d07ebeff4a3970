// Mesa's software renderer rasterises a frame on its own threads only once the frame is flushed;
// with Mesa's GL thread, the engine's work on the next frame goes on while they draw. Other
// drivers do not read the setting, and it changes no pixel.
#pragma once

// Asks Mesa for its GL thread, unless the user's environment says otherwise; before the GL context exists.
void preferMesaGlThread();
