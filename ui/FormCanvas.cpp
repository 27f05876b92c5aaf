#include "ui/FormCanvas.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace ui {

FormCanvas::FormCanvas(QWidget& form) : QObject(&form), m_form(form)
{
    form.installEventFilter(this);
}

FormCanvas& FormCanvas::of(QWidget& form)
{
    if (auto* canvas = form.findChild<FormCanvas*>(QString(), Qt::FindDirectChildrenOnly))
        return *canvas;
    return *new FormCanvas(form);
}

void FormCanvas::paint(const QPixmap& picture, const QRect& target)
{
    const QRect area = m_form.rect();
    if (!target.intersects(area))
        return;
    if (!QRect(QPoint(), m_image.size()).contains(area)) {
        QImage grown(m_image.size().expandedTo(area.size()), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter(&grown).drawImage(0, 0, m_image);
        m_image = std::move(grown);
    }
    QPainter painter(&m_image);
    painter.drawPixmap(target, picture);
    m_form.update(target);
}

bool FormCanvas::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_form && event->type() == QEvent::Paint && !m_image.isNull()) {
        const QRect exposed = static_cast<QPaintEvent*>(event)->rect();
        QPainter painter(&m_form);
        painter.drawImage(exposed, m_image, exposed);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
