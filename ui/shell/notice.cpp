#include "ui/shell/notice.h"

#include "core/productinfo.h"

#include <QDate>

QString copyrightNotice()
{
    return QStringLiteral("Copyright \u00A9 %1\u2013%2 %3. All rights reserved.")
        .arg(netquill::kFirstCopyrightYear)
        .arg(QDate::currentDate().year())
        .arg(QString::fromLatin1(netquill::kMakerName));
}
