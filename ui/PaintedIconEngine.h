#pragma once

#include <functional>

#include <QIconEngine>

namespace ui {

// An icon drawn in code at whatever size and pixel ratio it is asked for, so that it stays crisp
// on any screen. The drawing works on a canvas of 32 by 32 units; the engine scales it to the
// requested size and greys it out for the disabled mode.
class PaintedIconEngine : public QIconEngine {
public:
    static constexpr qreal canvasSize = 32;
    using Drawing = std::function<void(QPainter&)>;

    PaintedIconEngine(QString key, Drawing drawing);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    QImage render(const QSize& pixelSize, QIcon::Mode mode) const;

    QString m_key;
    Drawing m_drawing;
};

} // namespace ui
