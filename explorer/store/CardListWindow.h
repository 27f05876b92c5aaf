#pragma once

#include <QString>

#include "interaction/ProgressDisplay.h"

namespace store {

// What the card operations need of the main window: the rows of its card list with their text
// (the card key) and selection, and its status text and progress bar. Rows count from 0.
class CardListWindow : public interaction::ProgressDisplay {
public:
    ~CardListWindow() override;

    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    virtual bool isRowSelected(int row) const = 0;
    virtual void setRowSelected(int row, bool selected) = 0;
};

} // namespace store
