#pragma once

#include <QString>

class QWidget;

// A text box's text, selection and background colour, over the Qt editors that stand for it
// (QLineEdit, QTextEdit, QPlainTextEdit). Positions count characters from 0; selections beyond
// the text end at its end; a negative position or length raises 380 (Invalid property value).
namespace ui::textBoxAccess {

QString text(const QWidget& box);
void setText(QWidget& box, const QString& text);

int selStart(const QWidget& box);
// Puts the insertion point there, with nothing selected.
void setSelStart(QWidget& box, int start);
int selLength(const QWidget& box);
// Selects that many characters from SelStart on.
void setSelLength(QWidget& box, int length);

// The base colour as red + 256 * green + 65536 * blue.
int backColor(const QWidget& box);
// 380 for a value outside 0 to &HFFFFFF.
void setBackColor(QWidget& box, int colour);

} // namespace ui::textBoxAccess
