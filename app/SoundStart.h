// The game's sound, beside the game and after it: read with the media, played on the default device if
// there is one, silent if not.
#pragma once

// Throws, naming it, when a sound file of the media is missing or corrupt.
void startSound();
