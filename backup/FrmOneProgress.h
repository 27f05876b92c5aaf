#pragma once

#include "interaction/ProgressDisplay.h"

class QLabel;
class QProgressBar;

namespace backup {

// The backup window's status text and progress bar, as the save and restore procedures keep
// them up to date. The bar has a place of its own in the window.
class FrmOneProgress : public interaction::ProgressDisplay {
public:
    FrmOneProgress(QLabel& statusText, QProgressBar& progressBar);

    void setStatusText(const QString& text) override;
    void placeProgressBar() override;
    void setProgressBarVisible(bool visible) override;
    void setProgressMinimum(int minimum) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

private:
    QLabel& m_statusText;
    QProgressBar& m_progressBar;
};

} // namespace backup
