#pragma once

#include <QString>

namespace store {

// What the card operations need of the main window: the rows of its card list with their text
// (the card key) and selection, the first status-bar panel and the progress bar. Rows count
// from 0. Like the platform's control, the progress bar may refuse a maximum below 1 or a value
// outside 0..maximum with error 380 ("Invalid property value").
class CardListWindow {
public:
    virtual ~CardListWindow();

    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    virtual bool isRowSelected(int row) const = 0;
    virtual void setRowSelected(int row, bool selected) = 0;

    virtual void setStatusText(const QString& text) = 0;

    // Places the progress bar over the second status-bar panel.
    virtual void placeProgressBar() = 0;
    virtual void setProgressBarVisible(bool visible) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
};

} // namespace store
