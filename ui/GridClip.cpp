#include "ui/GridClip.h"

#include <QRegularExpression>
#include <QStringList>

#include "ui/GridCells.h"
#include "ui/GridState.h"

namespace ui::gridClip {

QString text(const GridCells& cells, const GridState& state)
{
    QString clip;
    for (int r = state.firstRow(); r <= state.lastRow(); ++r) {
        if (r > state.firstRow())
            clip += u'\r';
        for (int c = state.firstCol(); c <= state.lastCol(); ++c) {
            if (c > state.firstCol())
                clip += u'\t';
            clip += cells.text({r, c});
        }
    }
    return clip;
}

void fill(GridCells& cells, const GridState& state, const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    const int top = state.firstRow();
    const int left = state.firstCol();
    for (int i = 0; i < lines.size() && top + i < cells.rowCount(); ++i) {
        const QStringList row = lines[i].split(u'\t');
        for (int j = 0; j < row.size() && left + j < cells.colCount(); ++j)
            cells.setText({top + i, left + j}, row[j]);
    }
}

} // namespace ui::gridClip
