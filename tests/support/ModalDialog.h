#pragma once
// Driving a modal dialog from inside its own loop.

#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>

// Runs `action` inside the dialog's modal loop once the dialog shows. A failed check inside the
// action closes the dialog, so a failing test ends instead of waiting for a click.
inline void WhenShown(QDialog *dialog, std::function<void()> action)
{
    auto *poll = new QTimer(dialog);
    QObject::connect(poll, &QTimer::timeout, dialog, [dialog, poll, action] {
        if (!dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action();
        if (QTest::currentTestFailed() && dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
}
