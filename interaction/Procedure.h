#pragma once

#include <functional>

namespace interaction {

// A procedure's error-handling style. The body is written once as steps:
//
//     if (!procedure.step([&] { database = workspace.open(path); }))
//         return;
//
// and the style decides what a platform::RuntimeError inside a step does. Other exceptions
// always pass.
class Procedure {
public:
    virtual ~Procedure();

    // Runs one statement. False when the procedure is to be left now; once left, further
    // steps run nothing and return false.
    virtual bool step(const std::function<void()>& statement) = 0;

    bool left() const { return m_left; }

protected:
    void leave() { m_left = true; }

private:
    bool m_left = false;
};

} // namespace interaction
