#pragma once

#include <QObject>

#include "interaction/KeyState.h"

namespace ui {

// The asynchronous key state on Qt. Shift comes from the keyboard's modifier state. Esc is
// tracked by an application-wide event filter; like the platform's query, a press that came and
// went since the last query still reads as down once, so a quick tap during a long loop counts.
// A loop that starts forgets the presses before it (an Esc that closed a menu or a box).
class QtKeyState : public QObject, public interaction::KeyState {
    Q_OBJECT

public:
    QtKeyState();
    ~QtKeyState() override;

    bool isDown(interaction::Key key) override;
    void forgetEarlierPresses(interaction::Key key) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_escapeDown = false;
    bool m_escapePressedSinceQuery = false;
};

} // namespace ui
