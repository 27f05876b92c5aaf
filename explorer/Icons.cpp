#include "explorer/Icons.h"

#include <functional>
#include <map>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/PaintedIconEngine.h"

namespace explorer::icons {

namespace {

// One palette and one outline for every image, so that they read as one set.
const QColor outline(38, 46, 62);
const QColor paper(252, 252, 248);
const QColor paperShade(214, 220, 228);
const QColor ink(120, 132, 150);
const QColor archiveTop(150, 190, 236);
const QColor archiveBody(58, 110, 178);
const QColor openTop(255, 226, 130);
const QColor openBody(222, 150, 20);
const QColor green(46, 160, 67);
const QColor red(214, 48, 49);
const QColor blue(36, 110, 200);
const QColor wood(176, 122, 70);

QPen outlinePen(qreal width = 1.4)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QIcon painted(const QString& key, ui::PaintedIconEngine::Drawing drawing)
{
    return QIcon(new ui::PaintedIconEngine(key, std::move(drawing)));
}

// A database drum: an elliptic top over a body with two rings, like a stack of drawers.
void cylinder(QPainter& p, const QRectF& box, const QColor& top, const QColor& body)
{
    const qreal capHeight = box.width() * 0.36;
    const QRectF cap(box.left(), box.top(), box.width(), capHeight);
    const QRectF base(box.left(), box.bottom() - capHeight, box.width(), capHeight);
    QPainterPath shape;
    shape.moveTo(box.left(), cap.center().y());
    shape.arcTo(base, 180, 180);
    shape.lineTo(box.right(), cap.center().y());
    shape.arcTo(cap, 0, 180);
    shape.closeSubpath();
    QLinearGradient shading(box.left(), 0, box.right(), 0);
    shading.setColorAt(0, body.lighter(125));
    shading.setColorAt(0.45, body);
    shading.setColorAt(1, body.darker(140));
    p.setPen(outlinePen());
    p.setBrush(shading);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    const qreal ringStep = (base.center().y() - cap.center().y()) / 3;
    for (int ring = 1; ring <= 2; ++ring) {
        QRectF band = base.translated(0, -ringStep * (3 - ring));
        p.drawArc(band, 180 * 16, 180 * 16);
    }
    p.setBrush(top);
    p.drawEllipse(cap);
}

// A sheet of paper with a folded corner and a few written lines.
void sheet(QPainter& p, const QRectF& box, int lines = 4)
{
    const qreal fold = box.width() * 0.3;
    QPainterPath page;
    page.moveTo(box.topLeft());
    page.lineTo(box.right() - fold, box.top());
    page.lineTo(box.right(), box.top() + fold);
    page.lineTo(box.bottomRight());
    page.lineTo(box.bottomLeft());
    page.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(paper);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(box.right() - fold, box.top());
    corner.lineTo(box.right() - fold, box.top() + fold);
    corner.lineTo(box.right(), box.top() + fold);
    p.setBrush(paperShade);
    p.drawPath(corner);
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    const qreal step = (box.height() - fold - 3) / (lines + 1);
    for (int line = 1; line <= lines; ++line) {
        const qreal y = box.top() + fold + step * line;
        const qreal right = line == lines ? box.center().x() : box.right() - 3;
        p.drawLine(QPointF(box.left() + 3, y), QPointF(right, y));
    }
}

// A round badge in the lower right corner, white-rimmed so that it stands out on any image.
void badge(QPainter& p, const QColor& colour, const std::function<void(QPainter&, const QPointF&)>& symbol)
{
    const QPointF centre(24, 24);
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(colour);
    p.drawEllipse(centre, 7.2, 7.2);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    symbol(p, centre);
}

void plusSign(QPainter& p, const QPointF& c)
{
    p.drawLine(c + QPointF(-3.5, 0), c + QPointF(3.5, 0));
    p.drawLine(c + QPointF(0, -3.5), c + QPointF(0, 3.5));
}

void checkMark(QPainter& p, const QPointF& c)
{
    p.drawPolyline(QPolygonF({c + QPointF(-3.5, 0.2), c + QPointF(-1, 2.8), c + QPointF(3.6, -2.6)}));
}

void noEntry(QPainter& p, const QPointF& c)
{
    p.drawLine(c + QPointF(-3.6, 0), c + QPointF(3.6, 0));
}

void rightArrow(QPainter& p, const QPointF& c)
{
    p.drawLine(c + QPointF(-3.8, 0), c + QPointF(3.4, 0));
    p.drawPolyline(QPolygonF({c + QPointF(0.4, -3.2), c + QPointF(3.6, 0), c + QPointF(0.4, 3.2)}));
}

// A thick arrow from `from` to `to`, filled.
void blockArrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour)
{
    const QLineF shaft(from, to);
    const qreal length = shaft.length();
    QPainterPath arrow;
    arrow.moveTo(0, -2.6);
    arrow.lineTo(length - 7, -2.6);
    arrow.lineTo(length - 7, -6.5);
    arrow.lineTo(length, 0);
    arrow.lineTo(length - 7, 6.5);
    arrow.lineTo(length - 7, 2.6);
    arrow.lineTo(0, 2.6);
    arrow.closeSubpath();
    p.save();
    p.translate(from);
    p.rotate(-shaft.angle());
    p.setPen(outlinePen(1.2));
    p.setBrush(colour);
    p.drawPath(arrow);
    p.restore();
}

// An open tray the import and export arrows go into and out of.
void tray(QPainter& p)
{
    QPainterPath box;
    box.moveTo(3, 19);
    box.lineTo(3, 28);
    box.lineTo(29, 28);
    box.lineTo(29, 19);
    p.setPen(outlinePen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(box);
    p.setPen(Qt::NoPen);
    p.setBrush(paperShade);
    p.drawRect(QRectF(4, 23, 24, 4));
}

void drawCard(QPainter& p)
{
    sheet(p, QRectF(6, 3, 20, 26));
    p.setPen(outlinePen(1));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(9, 6, 7, 4), 1, 1);
}

// The program's own image: an archive with a card in front of it.
void drawProgram(QPainter& p)
{
    cylinder(p, QRectF(2, 3, 20, 26), archiveTop, archiveBody);
    sheet(p, QRectF(14, 9, 16, 21), 3);
    p.setPen(outlinePen(1));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(16.5, 11.5, 6, 3.5), 1, 1);
}

void drawDraggedCard(QPainter& p)
{
    sheet(p, QRectF(3, 2, 18, 23), 3);
}

void drawExit(QPainter& p)
{
    p.setPen(outlinePen());
    p.setBrush(wood.lighter(115));
    p.drawRect(QRectF(4, 3, 14, 26));
    QPainterPath openDoor;
    openDoor.moveTo(4, 3);
    openDoor.lineTo(12, 6);
    openDoor.lineTo(12, 31);
    openDoor.lineTo(4, 29);
    openDoor.closeSubpath();
    p.setBrush(wood);
    p.drawPath(openDoor);
    p.setBrush(outline);
    p.drawEllipse(QPointF(10, 17), 1, 1);
    blockArrow(p, QPointF(14, 16), QPointF(30, 16), red);
}

void drawNewArchive(QPainter& p)
{
    cylinder(p, QRectF(3, 5, 20, 24), archiveTop, archiveBody);
    badge(p, green, plusSign);
}

void drawImport(QPainter& p)
{
    tray(p);
    blockArrow(p, QPointF(16, 2), QPointF(16, 25), green);
}

void drawExport(QPainter& p)
{
    tray(p);
    blockArrow(p, QPointF(16, 25), QPointF(16, 2), blue);
}

void drawDelete(QPainter& p)
{
    QPainterPath cross;
    cross.moveTo(7, 7);
    cross.lineTo(25, 25);
    cross.moveTo(25, 7);
    cross.lineTo(7, 25);
    p.setPen(QPen(outline, 8.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
    p.setPen(QPen(red, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
}

void drawCompact(QPainter& p)
{
    cylinder(p, QRectF(9, 9, 14, 16), archiveTop, archiveBody);
    blockArrow(p, QPointF(1, 17), QPointF(9, 17), green);
    blockArrow(p, QPointF(31, 17), QPointF(23, 17), green);
}

void drawCut(QPainter& p)
{
    p.setPen(QPen(outline, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 20), QPointF(22, 3));
    p.drawLine(QPointF(21, 20), QPointF(10, 3));
    p.setPen(QPen(QColor(170, 180, 195), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.5, 19), QPointF(21.5, 4));
    p.drawLine(QPointF(20.5, 19), QPointF(10.5, 4));
    p.setPen(outlinePen(1.2));
    p.setBrush(red);
    p.drawEllipse(QPointF(9, 25), 4.5, 4.5);
    p.drawEllipse(QPointF(23, 25), 4.5, 4.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9, 25), 2, 2);
    p.drawEllipse(QPointF(23, 25), 2, 2);
    p.setBrush(outline);
    p.drawEllipse(QPointF(16, 12), 1.2, 1.2);
}

void drawCopy(QPainter& p)
{
    sheet(p, QRectF(3, 2, 16, 21), 3);
    sheet(p, QRectF(12, 9, 16, 21), 3);
}

void drawPaste(QPainter& p)
{
    p.setPen(outlinePen());
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(4, 4, 19, 25), 2, 2);
    p.setBrush(QColor(200, 205, 212));
    p.drawRoundedRect(QRectF(9, 2, 9, 5), 1.5, 1.5);
    sheet(p, QRectF(13, 11, 15, 19), 3);
}

void drawEmail(QPainter& p)
{
    const QRectF envelope(2, 7, 28, 19);
    p.setPen(outlinePen());
    p.setBrush(paper);
    p.drawRoundedRect(envelope, 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({envelope.topLeft(), QPointF(16, 18), envelope.topRight()}));
    p.setPen(QPen(ink, 1.1));
    p.drawLine(envelope.bottomLeft(), QPointF(12.5, 16.5));
    p.drawLine(envelope.bottomRight(), QPointF(19.5, 16.5));
}

void euroSign(QPainter& p, const QPointF& c)
{
    p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 3, c.y() - 4, 7.5, 8), 50 * 16, 260 * 16);
    p.drawLine(c + QPointF(-4.6, -1), c + QPointF(0.8, -1));
    p.drawLine(c + QPointF(-4.6, 1.4), c + QPointF(0.4, 1.4));
}

void drawInvoice(QPainter& p)
{
    sheet(p, QRectF(4, 2, 19, 26), 5);
    badge(p, green, euroSign);
}

using Painter = void (*)(QPainter&);

const std::map<QString, Painter>& toolbarPainters()
{
    static const std::map<QString, Painter> painters = {
        {QStringLiteral("Esci"), &drawExit},       {QStringLiteral("nuovo"), &drawNewArchive},
        {QStringLiteral("Importa"), &drawImport},  {QStringLiteral("Esporta"), &drawExport},
        {QStringLiteral("Elimina"), &drawDelete},  {QStringLiteral("Compatta"), &drawCompact},
        {QStringLiteral("taglia"), &drawCut},      {QStringLiteral("copia"), &drawCopy},
        {QStringLiteral("incolla"), &drawPaste},   {QStringLiteral("Email"), &drawEmail},
        {QStringLiteral("Fattura"), &drawInvoice},
    };
    return painters;
}

} // namespace

QIcon toolbarImage(const QString& imageKey)
{
    const auto found = toolbarPainters().find(imageKey);
    if (found == toolbarPainters().end())
        return {};
    return painted(QStringLiteral("toolbar/") + imageKey, found->second);
}

QIcon archiveImage(int index)
{
    const QString key = QStringLiteral("archive/%1").arg(index);
    switch (index) {
    case 1:
        return painted(key, [](QPainter& p) { cylinder(p, QRectF(5, 2, 22, 28), archiveTop, archiveBody); });
    case 2:
        return painted(key, [](QPainter& p) {
            cylinder(p, QRectF(5, 2, 22, 28), openTop, openBody);
            badge(p, green, checkMark);
        });
    case 3:
        return painted(key, &drawDraggedCard);
    case 4:
        return painted(key, [](QPainter& p) {
            drawDraggedCard(p);
            badge(p, green, plusSign);
        });
    case 5:
        return painted(key, [](QPainter& p) {
            drawDraggedCard(p);
            badge(p, red, noEntry);
        });
    case 6:
        return painted(key, [](QPainter& p) {
            drawDraggedCard(p);
            badge(p, blue, rightArrow);
        });
    default:
        return {};
    }
}

QIcon cardImage()
{
    return painted(QStringLiteral("card"), &drawCard);
}

QIcon programImage()
{
    return painted(QStringLiteral("program"), &drawProgram);
}

} // namespace explorer::icons
