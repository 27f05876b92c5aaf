#include "ui/PaintedIconEngine.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace ui {

namespace {

// On a non-premultiplied image: grey, at less than half the strength, as disabled toolbar images look.
void greyOut(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int grey = qGray(pixel);
            const int alpha = qAlpha(pixel) * 2 / 5;
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
}

} // namespace

PaintedIconEngine::PaintedIconEngine(QString key, Drawing drawing)
    : m_key(std::move(key)), m_drawing(std::move(drawing))
{
}

QImage PaintedIconEngine::render(const QSize& pixelSize, QIcon::Mode mode) const
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (pixelSize.isEmpty())
        return image;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(pixelSize.width(), pixelSize.height());
        painter.translate((pixelSize.width() - side) / 2, (pixelSize.height() - side) / 2);
        painter.scale(side / canvasSize, side / canvasSize);
        m_drawing(painter);
    }
    if (mode == QIcon::Disabled) {
        QImage plain = image.convertToFormat(QImage::Format_ARGB32);
        greyOut(plain);
        image = plain.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return image;
}

void PaintedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage image = render(QSize(int(std::ceil(rect.width() * ratio)), int(std::ceil(rect.height() * ratio))), mode);
    image.setDevicePixelRatio(ratio);
    painter->drawImage(rect, image);
}

// For a screen with a pixel ratio the icon asks for the size in device pixels and sets the ratio
// on the result itself.
QPixmap PaintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    return QPixmap::fromImage(render(size, mode));
}

QIconEngine* PaintedIconEngine::clone() const
{
    return new PaintedIconEngine(m_key, m_drawing);
}

QString PaintedIconEngine::key() const
{
    return m_key;
}

QList<QSize> PaintedIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
}

} // namespace ui
