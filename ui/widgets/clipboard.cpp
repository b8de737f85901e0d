#include "ui/widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void replaceClipboardText(const std::string &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}
