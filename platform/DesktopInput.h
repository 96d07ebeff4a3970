// What the X desktop says about the game's window: whether it has the keyboard's focus, and how far the
// pointing device itself has moved. The motion comes from the X input extension's raw events, so neither
// the window's edges nor the screen's cut it short, and it counts only while the window has focus.
#pragma once

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
    void handle(XEvent& event);
    void setFocus(bool hasIt);
    bool keyboardComesHere() const;
    bool pointerInWindow() const;

    Display* display;
    unsigned long window;
    int inputExtension = 0;
    bool focused = false;
    bool lost = false;
    bool moved = false;
    double pendingX = 0;
    double pendingY = 0;
};
