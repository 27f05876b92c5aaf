#include "ui/QtClipboardBackend.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "automation/Clipboard.h"

namespace ui {

namespace {

QClipboard* desktopClipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

QString getText()
{
    const QClipboard* clipboard = desktopClipboard();
    return clipboard ? clipboard->text() : QString();
}

// The runtime's SetText replaces the text alone; what the clipboard holds in other formats stays.
void setText(const QString& text)
{
    QClipboard* clipboard = desktopClipboard();
    if (!clipboard)
        return;
    auto* data = new QMimeData;
    if (const QMimeData* held = clipboard->mimeData())
        for (const QString& format : held->formats())
            if (!format.startsWith(QLatin1String("text/plain")))
                data->setData(format, held->data(format));
    data->setText(text);
    clipboard->setMimeData(data);
}

void clear()
{
    if (QClipboard* clipboard = desktopClipboard())
        clipboard->clear();
}

} // namespace

void QtClipboardBackend::install()
{
    if (desktopClipboard())
        automation::Clipboard::install({&getText, &setText, &clear});
}

void QtClipboardBackend::uninstall()
{
    automation::Clipboard::install({});
}

} // namespace ui
