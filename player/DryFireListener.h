// Told when the trigger is pulled on an empty magazine, which nothing else in the game records.
#pragma once

class DryFireListener {
public:
    virtual void dryFire() = 0;

protected:
    ~DryFireListener() = default;
};
