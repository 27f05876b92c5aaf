#pragma once

class QWidget;

// A widget's Left, Top, Width and Height in twips, as the programs use them. Left and Top are
// the outer position (a window's frame) in its parent; Width and Height the widget's own size.
namespace ui::widgetTwips {

int left(const QWidget& widget);
int top(const QWidget& widget);
int width(const QWidget& widget);
int height(const QWidget& widget);

void setLeft(QWidget& widget, int twips);
void setTop(QWidget& widget, int twips);
// Sizes below zero are refused: the widget keeps its size and false is returned.
bool setWidth(QWidget& widget, int twips);
bool setHeight(QWidget& widget, int twips);

} // namespace ui::widgetTwips
