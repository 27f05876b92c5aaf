#include "ui/TextBoxAccess.h"

#include <algorithm>
#include <limits>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/RuntimeError.h"
#include "ui/ColourValue.h"

namespace ui::textBoxAccess {

namespace {

constexpr int invalidPropertyValue = 380;

// The editors of a text box that is no QLineEdit share QTextCursor selections.
QTextCursor cursorOf(const QWidget& box)
{
    if (const auto* edit = qobject_cast<const QTextEdit*>(&box))
        return edit->textCursor();
    return qobject_cast<const QPlainTextEdit*>(&box)->textCursor();
}

void setCursorOf(QWidget& box, const QTextCursor& cursor)
{
    if (auto* edit = qobject_cast<QTextEdit*>(&box))
        edit->setTextCursor(cursor);
    else
        qobject_cast<QPlainTextEdit*>(&box)->setTextCursor(cursor);
}

int clamped(const QWidget& box, int position)
{
    if (position < 0)
        throw platform::RuntimeError(invalidPropertyValue);
    return std::min(position, int(text(box).size()));
}

} // namespace

QString text(const QWidget& box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(&box))
        return line->text();
    if (const auto* edit = qobject_cast<const QTextEdit*>(&box))
        return edit->toPlainText();
    return qobject_cast<const QPlainTextEdit*>(&box)->toPlainText();
}

void setText(QWidget& box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(&box))
        line->setText(text);
    else if (auto* edit = qobject_cast<QTextEdit*>(&box))
        edit->setPlainText(text);
    else
        qobject_cast<QPlainTextEdit*>(&box)->setPlainText(text);
}

int selStart(const QWidget& box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(&box))
        return line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    return cursorOf(box).selectionStart();
}

void setSelStart(QWidget& box, int start)
{
    const int position = clamped(box, start);
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        line->setCursorPosition(position);
        line->deselect();
        return;
    }
    QTextCursor cursor = cursorOf(box);
    cursor.setPosition(position);
    setCursorOf(box, cursor);
}

int selLength(const QWidget& box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(&box))
        return line->selectionLength();
    const QTextCursor cursor = cursorOf(box);
    return cursor.selectionEnd() - cursor.selectionStart();
}

void setSelLength(QWidget& box, int length)
{
    if (length < 0)
        throw platform::RuntimeError(invalidPropertyValue);
    const int start = selStart(box);
    const int end = clamped(box, int(std::min<qint64>(qint64(start) + length, std::numeric_limits<int>::max())));
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        line->setSelection(start, end - start);
        return;
    }
    QTextCursor cursor = cursorOf(box);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setCursorOf(box, cursor);
}

int backColor(const QWidget& box)
{
    return colourValue::of(box.palette().color(QPalette::Base));
}

void setBackColor(QWidget& box, int colour)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, colourValue::toColour(colour));
    box.setPalette(palette);
}

} // namespace ui::textBoxAccess
