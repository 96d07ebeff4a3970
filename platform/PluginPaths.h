// Full paths of the engine plug-ins the game loads: this engine finds none by bare name.
#pragma once

#include <string>

std::string renderSystemPlugin();
std::string octreePlugin();

// Reads the PNG and JPEG images of the media.
std::string imageCodecPlugin();
