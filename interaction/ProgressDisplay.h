#pragma once

class QString;

namespace interaction {

// A window's status text and progress bar, which long operations keep up to date. Like the
// platform's control, the progress bar may refuse a maximum below 1 or a value outside
// minimum..maximum with error 380 ("Invalid property value").
class ProgressDisplay {
public:
    virtual ~ProgressDisplay();

    virtual void setStatusText(const QString& text) = 0;

    // Places the progress bar over the status bar's second panel.
    virtual void placeProgressBar() = 0;
    virtual void setProgressBarVisible(bool visible) = 0;
    virtual void setProgressMinimum(int minimum) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
};

} // namespace interaction
