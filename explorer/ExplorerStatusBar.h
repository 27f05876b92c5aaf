#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QTimer;

namespace explorer {

// The main window's status bar STBar: panel 1 the running operation's message, panel 2 stretches
// with the window and hosts the progress bar PrgBar, panels 3 and 4 (fixed) the date and time.
class ExplorerStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int panelCount = 4;

    explicit ExplorerStatusBar(QWidget* parent = nullptr);

    // Panels count from 1.
    QLabel* panel(int number) const;
    void setPanelText(int number, const QString& text);
    QString panelText(int number) const;
    QProgressBar* PrgBar() const { return m_progressBar; }

    // Places the progress bar over panel 2: 50 twips lower than the bar, centred vertically.
    void SetProgBarPos();

private:
    void showClock();

    QLabel* m_panels[panelCount] = {};
    QProgressBar* m_progressBar = nullptr;
    QTimer* m_clock = nullptr;
};

} // namespace explorer
