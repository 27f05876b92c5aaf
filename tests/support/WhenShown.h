#pragma once

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

// Acts on the next modal dialog of type Dialog once it is shown (the test's hand on a dialog
// that blocks the code under test). Gives up after three seconds. A check that fails inside the
// action leaves the dialog open; it is then cancelled, so the test fails instead of hanging.
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
        if (!dialog)
            return;
        QPointer<Dialog> shown(dialog);
        action(*dialog);
        if (shown && shown->isVisible() && QTest::currentTestFailed()) {
            if (auto* modal = qobject_cast<QDialog*>(shown.data()))
                modal->reject();
        }
    });
    timer->start();
}
