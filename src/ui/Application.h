#pragma once
// The program's application object: the last resort for exceptions that escape an event handler,
// and the user's locale as the long date and time forms of the error reports.

#include <QApplication>
#include <QLocale>

class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    // Once the error dialog exists, an exception that escapes a handler is reported through
    // FunStatContext.OnApplicationException and the event loop goes on; before that Qt's own
    // handling applies.
    bool notify(QObject *receiver, QEvent *event) override;
};

// Installs the locale's long date and long time forms (with colons between the time fields and
// without the time zone) as the formatters of core/MyTime.h.
void InstallLocaleDateTimeFormatters(const QLocale &locale = QLocale::system());
