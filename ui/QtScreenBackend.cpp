#include "ui/QtScreenBackend.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "automation/Screen.h"
#include "interaction/Twips.h"

namespace ui {

namespace {

// The runtime's MousePointer values and the Qt cursors that show them.
Qt::CursorShape shapeOf(int pointer)
{
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

bool& overriding()
{
    static bool ours = false;
    return ours;
}

void setPointer(int pointer)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    if (pointer == 0) {
        if (overriding())
            QApplication::restoreOverrideCursor();
        overriding() = false;
        return;
    }
    if (overriding()) {
        QApplication::changeOverrideCursor(QCursor(shapeOf(pointer)));
    } else {
        QApplication::setOverrideCursor(QCursor(shapeOf(pointer)));
        overriding() = true;
    }
}

int screenTwips(bool width)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return interaction::twips::fromPixels(width ? 800 : 600);
    return interaction::twips::fromPixels(width ? screen->size().width() : screen->size().height());
}

} // namespace

void QtScreenBackend::install()
{
    automation::Screen::install({&setPointer, [] { return screenTwips(true); }, [] { return screenTwips(false); }});
    setPointer(automation::Screen::mousePointer());
}

void QtScreenBackend::uninstall()
{
    setPointer(0);
    automation::Screen::install({});
}

} // namespace ui
