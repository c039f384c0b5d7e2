#include "ui/Application.h"

#include "core/Error.h"
#include "core/MyTime.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <exception>
#include <string>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) { }

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    if (RegisteredErrorDialog() == nullptr)
        return QApplication::notify(receiver, event);
    std::string message;
    try {
        return QApplication::notify(receiver, event);
    } catch (TRaisedErr &) {
        message = Err.Description;
        Err.Raised = false;
    } catch (std::exception &e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error.";
    }
    FunStatContext.OnApplicationException(message);
    return false;
}

namespace {

// The time zone field ("t") outside quoted text; the reports show local time without it.
QString withoutTimeZone(const QString &pattern)
{
    QString result;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            result += c;
    }
    return result.trimmed();
}

QString longTimePattern(const QLocale &locale)
{
    const QString pattern = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return QString::fromStdString(TimePatternWithColons(pattern.toStdString()));
}

} // namespace

void InstallLocaleDateTimeFormatters()
{
    const QLocale locale = QLocale::system();
    const QString timePattern = longTimePattern(locale);
    SetLongDateTimeFormatters(
        [locale](const TDateTimeParts &parts) {
            return locale.toString(QDate(parts.Year, parts.Month, parts.Day), QLocale::LongFormat)
                .toStdString();
        },
        [locale, timePattern](const TDateTimeParts &parts) {
            return locale.toString(QTime(parts.Hour, parts.Minute, parts.Second), timePattern)
                .toStdString();
        });
}
