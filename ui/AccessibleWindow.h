#pragma once

class QColor;
class QWidget;

// What every window of the suite does for a keyboard user and a screen reader. A program calls
// adoptAccessibility once per window, after building its controls.
namespace ui::accessibleWindow {

// Toolbar buttons are reached with Tab and named by their tool tips; a text box, spin box or list
// without a name takes its label's caption ("&Nome file:" names it "Nome file"); Shift+F10 and
// the Menu key open the focused control's pop-up menu (ContextMenuKeys). Controls that already
// have a name keep it.
void adoptAccessibility(QWidget& window);

// The colour text takes on the background: black on light colours, white on dark ones.
QColor readableTextOn(const QColor& background);

// Paints a list's (or box's) background and gives its text the readable colour on it.
void setBackground(QWidget& control, const QColor& background);

} // namespace ui::accessibleWindow
