#include "automation/Clipboard.h"

#include <utility>

namespace automation {

namespace {

struct ClipboardState {
    QString text;
    Clipboard::Backend backend;
};

ClipboardState& state()
{
    static ClipboardState clipboard;
    return clipboard;
}

} // namespace

QString Clipboard::getText()
{
    return state().backend.getText ? state().backend.getText() : state().text;
}

void Clipboard::setText(const QString& text)
{
    if (state().backend.setText)
        state().backend.setText(text);
    else
        state().text = text;
}

void Clipboard::clear()
{
    if (state().backend.clear)
        state().backend.clear();
    else
        state().text.clear();
}

void Clipboard::install(Backend backend)
{
    state().backend = std::move(backend);
}

} // namespace automation
