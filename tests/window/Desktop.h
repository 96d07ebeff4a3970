// A desktop round the game for the window tests: openbox on the test's display, a terminal beside the
// game, and what another client can see of the keyboard and the pointer.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

class Desktop {
public:
    // Starts openbox, then the terminal, which writes each line typed into it to a file.
    Desktop();
    ~Desktop();

    // What was typed into the terminal so far.
    std::string typed() const;
    // Gives the window focus through the window manager, as a click on it or Alt+Tab would.
    void focus(unsigned long window) const;

    unsigned long terminal = 0;

private:
    std::filesystem::path typedFile;
    int windowManager = 0;
    int terminalProcess = 0;
};

// Whether another client, a screen locker say, can take the keyboard.
bool keyboardIsFree();
// Whether the pointer shows: any pixel of its cursor not transparent.
bool pointerShows();
// Whether the pointer is over the window.
bool pointerIn(unsigned long window);
// Asks again and again for at most `seconds` until it holds.
bool within(double seconds, const std::function<bool()>& holds);
