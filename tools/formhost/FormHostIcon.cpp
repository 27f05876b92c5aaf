#include "tools/formhost/FormHostIcon.h"

#include <QPainter>

#include "ui/PaintedIconEngine.h"

namespace formhost {

QIcon programImage()
{
    return QIcon(new ui::PaintedIconEngine(QStringLiteral("formhost"), [](QPainter& p) {
        const QColor outline(38, 46, 62);
        p.setPen(QPen(outline, 1.4));
        p.setBrush(QColor(236, 240, 246));
        p.drawRoundedRect(QRectF(2, 4, 28, 24), 2, 2);
        p.setBrush(QColor(58, 110, 178));
        p.drawRect(QRectF(2, 4, 28, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 13, 20, 4));
        p.setBrush(QColor(46, 160, 67));
        p.drawRoundedRect(QRectF(16, 20, 10, 5), 1, 1);
    }));
}

} // namespace formhost
