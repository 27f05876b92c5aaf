#pragma once

#include <QList>
#include <QString>
#include <QToolBar>

class QAction;

namespace explorer {

// The main window's toolbar MainToolBar. ConfigureToolBar builds its fourteen buttons (separators
// included, counted from 1); each button has a key, an image, a tool tip and the same text as
// its description. A click reports the button's key. A control of this window dropped on the
// toolbar by the window's own drag (data of controlDragFormat, the control's name) acts as a
// click on the button under the drop point; the card drag between explorers is no such drag.
class ExplorerToolBar : public QToolBar {
    Q_OBJECT

public:
    static const QString controlDragFormat;

    explicit ExplorerToolBar(QWidget* parent = nullptr);

    // Errors go to the error dialog as "Proc:ConfigureToolBar": retry repeats the failing step,
    // ignore goes on with the next, abort leaves the toolbar as far as it was built.
    void ConfigureToolBar();

    int buttonCount() const { return int(m_buttons.size()); }
    // Button index (from 1), or nullptr.
    QAction* button(int index) const;
    // The button with this key, or nullptr.
    QAction* button(const QString& key) const;
    static QString key(const QAction& button);
    static QString imageKey(const QAction& button);
    static QString description(const QAction& button);

    // The index of the button a drop at x (toolbar pixels) falls on, 0 for none.
    int buttonAtDropPoint(int x) const;

Q_SIGNALS:
    void buttonClicked(const QString& key);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void addButton(const QString& key, const QString& imageKey, const QString& toolTip);
    void addSeparatorButton();
    bool isOwnControlDrag(const QDropEvent& event) const;
    int leftEdge(int index) const;

    QList<QAction*> m_buttons;
};

} // namespace explorer
