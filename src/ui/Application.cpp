#include "ui/Application.h"

#include "core/Error.h"
#include "core/MyTime.h"
#include "core/Texts.h"

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
        message = TR("Error", "Unknown error.");
    }
    FunStatContext.OnApplicationException(message);
    return false;
}

namespace {

// The reports show local time, without its zone.
QString longTimePattern(const QLocale &locale)
{
    const std::string pattern = locale.timeFormat(QLocale::LongFormat).toStdString();
    return QString::fromStdString(TimePatternWithColons(TimePatternWithoutTimeZone(pattern)));
}

} // namespace

void InstallLocaleDateTimeFormatters(const QLocale &locale)
{
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
