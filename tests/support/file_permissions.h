#pragma once

// Root reads and writes past file permissions. For its lifetime this takes that power from the
// test process (its effective capabilities), so that a permission test means what it says.
// active() is false when the process could not give the power up.
class PermissionsEnforced {
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

    bool active() const { return active_; }

private:
    bool active_ = false;
    bool dropped_ = false;
    unsigned saved_ = 0;
};
