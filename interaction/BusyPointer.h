#pragma once

namespace interaction {

// Shows the hourglass for its lifetime and puts back the pointer it found, however the
// procedure ends. The pointer is the runtime's Screen.MousePointer, whose backend the window
// layer installs.
class BusyPointer {
public:
    static constexpr int Hourglass = 11;

    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Puts the pointer back before the end of the scope; later calls do nothing.
    void restore();

private:
    int m_previous;
    bool m_restored = false;
};

} // namespace interaction
