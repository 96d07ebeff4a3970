// X errors into the engine's log: Xlib would print each on the console and end the program. Requests that
// fail, on a window another client destroyed for one, are logged and the game goes on; the main loop sees
// such a window closed.
#pragma once

// `lostDisplay` runs when the connection to the X server breaks, after the log has said so; it must end
// the program.
void logXErrors(void (*lostDisplay)());
