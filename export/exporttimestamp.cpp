#include "export/exporttimestamp.h"

#include <QRegularExpression>

#include <algorithm>

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

    // The file holds Latin-1 only. Where the locale writes its digits, day
    // periods or time marks in another script, the moment would come out as
    // question marks: it is written in ISO 8601 instead, which every reader
    // can take and no locale can misread.
    const bool fitsTheFile = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (!fitsTheFile)
        return QLocale::c().toString(moment, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return text;
}
