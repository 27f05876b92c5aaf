#include "backup/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace backup::pictures {

namespace {

constexpr int side = 64;
const QColor outline(38, 46, 62);
const QColor diskBody(58, 110, 178);
const QColor shutter(200, 206, 214);
const QColor labelPaper(252, 252, 248);
const QColor saveArrow(46, 160, 67);
const QColor restoreArrow(222, 150, 20);

// A floppy disk in the lower right of the picture.
void drawDisk(QPainter& painter)
{
    const QRectF body(22, 22, 38, 38);
    QPainterPath shape;
    shape.moveTo(body.topLeft());
    shape.lineTo(body.right() - 6, body.top());
    shape.lineTo(body.right(), body.top() + 6);
    shape.lineTo(body.bottomRight());
    shape.lineTo(body.bottomLeft());
    shape.closeSubpath();
    painter.setPen(QPen(outline, 1.6));
    painter.setBrush(diskBody);
    painter.drawPath(shape);
    painter.setBrush(shutter);
    painter.drawRect(QRectF(body.left() + 9, body.top(), 18, 12));
    painter.setBrush(diskBody.darker(130));
    painter.drawRect(QRectF(body.left() + 20, body.top() + 2, 4, 8));
    painter.setBrush(labelPaper);
    painter.drawRect(QRectF(body.left() + 6, body.top() + 19, 26, 16));
}

// A thick arrow from `from` to `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour)
{
    painter.setPen(QPen(outline, 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF left = shaft;
    left.setLength(12);
    left.setAngle(shaft.angle() + 35);
    QLineF right = shaft;
    right.setLength(12);
    right.setAngle(shaft.angle() - 35);
    const QPolygonF head({to, left.p2(), right.p2()});
    painter.setPen(QPen(outline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPolygon(head);
}

ui::Picture draw(bool arrowIntoDisk)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawDisk(painter);
    if (arrowIntoDisk)
        drawArrow(painter, QPointF(6, 6), QPointF(30, 30), saveArrow);
    else
        drawArrow(painter, QPointF(30, 30), QPointF(6, 6), restoreArrow);
    painter.end();
    return ui::Picture(pixmap);
}

} // namespace

ui::Picture save()
{
    return draw(true);
}

ui::Picture restore()
{
    return draw(false);
}

} // namespace backup::pictures
