#pragma once

#include <QPointer>
#include <QTableWidget>

#include "automation/DispatchObject.h"

namespace ui {

class GridCells;
class GridState;

// A QTableWidget handed to a component as a spreadsheet-like grid control (see GridBridge.h).
// Names are found without allocating and members are reached by a switch, so that a command
// walking many cells pays little for late binding.
class GridObject : public automation::DispatchObject {
public:
    explicit GridObject(QTableWidget& table);

    int idOfName(const QString& name) const override;
    automation::Variant invoke(int dispatchId, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) override;

private:
    QTableWidget& table() const;
    automation::Variant property(int member, const std::vector<automation::Variant>& indices);
    void setProperty(int member, const std::vector<automation::Variant>& indices, const automation::Variant& value);
    automation::Variant method(int member, const std::vector<automation::Variant>& arguments);
    void addItem(const QString& item, int before);
    void removeItem(int index);
    int rowIndex(const automation::Variant& value) const;
    int colIndex(const automation::Variant& value) const;

    QPointer<QTableWidget> m_table;
    GridState& m_state;
};

} // namespace ui
