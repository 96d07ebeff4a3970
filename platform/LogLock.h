// One copy of the game to a folder: a copy holds a lock on its log file for as long as it runs, so that
// a second copy started in the same folder does not write over the first one's log.
#pragma once

#include <string>

// False when another process holds the lock. True once this process holds it, and also where the file
// cannot be opened: in a folder the game may not write there is no log to keep.
bool lockLog(const std::string& fileName);
