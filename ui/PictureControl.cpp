#include "ui/PictureControl.h"

namespace ui {

PictureControl::PictureControl(Kind kind, QWidget* parent) : QLabel(parent), m_kind(kind)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureControl::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    setPixmap(m_picture.pixmap());
    fitPicture();
}

void PictureControl::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitPicture();
}

// An empty picture leaves the box as it is, as the runtime's AutoSize does.
void PictureControl::fitPicture()
{
    if (!m_autoSize || m_picture.isEmpty())
        return;
    resize(m_picture.pixmap().size() + (size() - contentsRect().size()));
}

} // namespace ui
