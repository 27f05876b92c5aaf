#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>

// Acts on the next modal dialog of type Dialog once it is shown (the test's hand on a dialog
// that blocks the code under test). Gives up after three seconds.
template <class Dialog> void whenShown(std::function<void(Dialog&)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, tries = 0]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && ++tries < 300)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog)
            action(*dialog);
    });
    timer->start();
}
