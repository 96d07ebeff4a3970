// The engine's log, written only to its file: the engine would echo every line to the console.
#pragma once

#include <string>

// Call before the root is built; the root then logs into this log.
void createQuietLog(const std::string& fileName);
