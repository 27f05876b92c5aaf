#pragma once

#include <vector>

#include <QMainWindow>

#include "automation/DispatchObject.h"
#include "automation/Variant.h"

class QLineEdit;
class QTableWidget;

namespace griddemo {

// GridDemo's window, FrmGriglia: the piece list GrdPezzi handed to Grivola through the grid
// bridge, the text box TxtCella that Grid_Text_Move lays over the current cell for editing in
// place, and the menus of Grivola's sixteen commands (GridDemoMenus.h). Grivola is created by its
// programmatic name "Grivola.Grivo" (429 when it is not registered on the workstation).
//
// Editing in place: F2, Enter or a double click on a cell puts the text box over it; Enter or
// leaving the box keeps the text, Esc drops it. The header row and column are not edited.
class GridDemoWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit GridDemoWindow(QWidget* parent = nullptr);

    // Calls Grivola's method with the grid and then `arguments`, all by reference: the arguments
    // as the method left them. An error of the method is shown to the user and gives nothing.
    std::vector<automation::Variant> call(const QString& method, std::vector<automation::Variant> arguments = {});

    const automation::ObjectRef& grid() const { return m_grid; }
    int row() const;
    int col() const;
    QString text(int row, int col) const;

    void editCell();
    bool isEditing() const { return m_editing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finishEditing(bool keep);

    QTableWidget* m_table;
    QLineEdit* m_textBox;
    automation::ObjectRef m_grid;
    automation::ObjectRef m_grivo;
    bool m_editing = false;
    int m_editRow = 0;
    int m_editCol = 0;
};

} // namespace griddemo
