#pragma once

namespace interaction {

// "Let pending events run": the window repaints and takes input in the middle of a long loop.
class PendingEvents {
public:
    virtual ~PendingEvents();
    virtual void run() = 0;
};

} // namespace interaction
