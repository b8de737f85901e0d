#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Hands a web address or a file path to the desktop's default handler and
// returns at once; whether anything opened is not checked.
void HyperJump(const QString &target);

// What HyperJump hands its address to: the desktop (QDesktopServices) unless
// replaced; tests replace it so that nothing real opens. Returns the previous one.
using UrlOpener = std::function<void(const QUrl &)>;
UrlOpener replaceUrlOpener(UrlOpener opener);
