// What the X desktop says about the game's window: whether it has the keyboard's focus, and how far the
// pointing device itself has moved. The motion comes from the X input extension's raw events, so neither
// the window's edges nor the screen's cut it short, and it counts only while the window has focus.
#pragma once

#include <array>
#include <map>

namespace Ogre {
class RenderWindow;
}

typedef struct _XDisplay Display;
typedef union _XEvent XEvent;

class DesktopInput {
public:
    struct Motion {
        int x = 0;
        int y = 0;
    };

    explicit DesktopInput(Ogre::RenderWindow* window);
    ~DesktopInput();
    DesktopInput(const DesktopInput&) = delete;
    DesktopInput& operator=(const DesktopInput&) = delete;

    // Reads what the X server has reported since the last call, in the order it happened.
    void update();

    bool hasFocus() const { return focused; }

    // Whether focus left the window at any moment during the last update, even if it came back.
    bool lostFocus() const { return lost; }

    // Whether the window was moved or resized during the last update.
    bool windowMoved() const { return moved; }

    // The motion counted since the last call, in whole counts of the device; fractions wait for more.
    Motion takeMotion();

private:
    // An absolute device (a tablet, a virtual machine's pointer) reports where it is rather than how far it
    // moved: its motion is the change, scaled so that its whole range spans the screen.
    struct Axis {
        // The counts that a value the device reports on this axis stands for.
        double countsFor(double value);

        bool absolute = false;
        double countsPerUnit = 1;
        double last = 0;
        bool seen = false;
    };
    using Axes = std::array<Axis, 2>;

    void handle(XEvent& event);
    Axes& axesOf(int device);
    void setFocus(bool hasIt);
    bool keyboardComesHere() const;
    bool pointerInWindow() const;

    Display* display;
    unsigned long window;
    int inputExtension = 0;
    bool focused = false;
    bool lost = false;
    bool moved = false;
    double pending[2] = {0, 0};
    std::map<int, Axes> devices;
};
