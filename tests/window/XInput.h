// Real X input for the window tests: events sent through the XTEST extension with xdotool.
#pragma once

#include <functional>
#include <string>

// What a shell command prints on standard output.
std::string outputOf(const std::string& command);

// Runs one xdotool command line (for example "key r" or "mousemove_relative -- 15 -7").
void sendInput(const std::string& xdotoolArguments);

// Asks again and again, for at most `seconds`, until it holds.
bool within(double seconds, const std::function<bool()>& holds);

// Waits up to `seconds` for a shown top-level window with this title; 0 if none appeared.
unsigned long waitForWindow(const std::string& title, double seconds);

// Asks the window to close, as a window manager does when the user clicks its close button.
void closeWindow(unsigned long window);
