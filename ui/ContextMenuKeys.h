#pragma once

#include <QObject>

class QWidget;

namespace ui {

// Shift+F10 and the Menu key, pressed anywhere in the window, open the pop-up menu of the control
// that has the focus, as a right click on it would: the control receives a context-menu event
// from the keyboard, placed at its current item (a list's) or at its middle. The X11 platform
// already turns the Menu key into such an event; then the key itself is only swallowed, so the
// menu never opens twice.
class ContextMenuKeys : public QObject {
    Q_OBJECT

public:
    // Watches the application's events for the window; lives as long as the window.
    explicit ContextMenuKeys(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(const QWidget* widget) const;

    QWidget& m_window;
    bool m_platformSentMenu = false;
};

} // namespace ui
