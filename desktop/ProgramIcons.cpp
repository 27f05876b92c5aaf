#include "desktop/ProgramIcons.h"

#include <QPainter>
#include <QPixmap>

#include "explorer/Icons.h"

namespace desktop {
namespace {

QIcon initialTile(const QString& program)
{
    QPixmap tile(256, 256);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2f, 0x5d, 0x8a));
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 40, 40);
    QFont font = painter.font();
    font.setPixelSize(160);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(tile.rect(), Qt::AlignCenter, program.left(1));
    return QIcon(tile);
}

} // namespace

QIcon programIcon(const QString& program)
{
    if (program == u"Schedex")
        return explorer::icons::archiveImage(1);
    return initialTile(program);
}

} // namespace desktop
