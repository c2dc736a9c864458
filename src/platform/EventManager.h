#pragma once

// Placeholder interface; the hot-key work replaces this file with the full event-manager seam.
class EventManager {
public:
    virtual ~EventManager() = default;
};
