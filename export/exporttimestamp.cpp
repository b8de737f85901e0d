#include "exporttimestamp.h"

#include <QRegularExpression>

QString exportTimestamp(const QDateTime &moment, const QLocale &locale)
{
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years are ambiguous in a file that is kept: always write four.
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));

    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*t+")));

    QString text = locale.toString(moment.date(), dateFormat) + QLatin1Char(' ') +
                   locale.toString(moment.time(), timeFormat.trimmed());
    // Some locales space their times with narrow or no-break spaces; files get plain ones.
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}
