#include "ui/WidgetTwips.h"

#include <QWidget>

#include "interaction/Twips.h"

namespace ui::widgetTwips {

using interaction::twips::fromPixels;
using interaction::twips::toPixels;

int left(const QWidget& widget)
{
    return fromPixels(widget.pos().x());
}

int top(const QWidget& widget)
{
    return fromPixels(widget.pos().y());
}

int width(const QWidget& widget)
{
    return fromPixels(widget.width());
}

int height(const QWidget& widget)
{
    return fromPixels(widget.height());
}

void setLeft(QWidget& widget, int twips)
{
    widget.move(toPixels(twips), widget.pos().y());
}

void setTop(QWidget& widget, int twips)
{
    widget.move(widget.pos().x(), toPixels(twips));
}

bool setWidth(QWidget& widget, int twips)
{
    if (twips < 0)
        return false;
    widget.resize(toPixels(twips), widget.height());
    return true;
}

bool setHeight(QWidget& widget, int twips)
{
    if (twips < 0)
        return false;
    widget.resize(widget.width(), toPixels(twips));
    return true;
}

} // namespace ui::widgetTwips
