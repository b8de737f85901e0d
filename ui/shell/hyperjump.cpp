#include "ui/shell/hyperjump.h"

#include <QDesktopServices>

namespace {

UrlOpener &currentOpener()
{
    static UrlOpener opener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    return opener;
}

}  // namespace

void HyperJump(const QString &target)
{
    // Web addresses keep their scheme; anything else is a path on this machine.
    const QUrl asUrl(target, QUrl::StrictMode);
    const bool isWebAddress =
        asUrl.isValid() && (asUrl.scheme() == QLatin1String("http") || asUrl.scheme() == QLatin1String("https") ||
                            asUrl.scheme() == QLatin1String("mailto"));
    currentOpener()(isWebAddress ? asUrl : QUrl::fromLocalFile(target));
}

UrlOpener replaceUrlOpener(UrlOpener opener) { return std::exchange(currentOpener(), std::move(opener)); }
