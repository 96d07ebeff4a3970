// A keyboard for tests: the keys in `keys` are held, nothing else happens.
#pragma once

#include <OISKeyboard.h>

#include <set>
#include <string>

struct HeldKeys : OIS::Keyboard {
    explicit HeldKeys(std::set<OIS::KeyCode> held = {}) : OIS::Keyboard("test", false, 0, nullptr), keys(std::move(held)) {}

    std::set<OIS::KeyCode> keys;

    bool isKeyDown(OIS::KeyCode key) const override { return keys.count(key) > 0; }
    const std::string& getAsString(OIS::KeyCode) override { return name; }
    void copyKeyStates(char[256]) const override {}
    void setBuffered(bool) override {}
    void capture() override {}
    OIS::Interface* queryInterface(OIS::Interface::IType) override { return nullptr; }
    void _initialize() override {}

    std::string name;
};
