#include "ui/plans/autosavecopy.h"

#include "core/files/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <cstring>

namespace {

// A lock is stale only once its program has ended, however old it is: a
// plan may stay open for days.
std::unique_ptr<QLockFile> lockFile(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

QString AutosaveCopy::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/autosave");
}

AutosaveCopy::AutosaveCopy() : m_name(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QDir().mkpath(folder());
    m_lock = lockFile(filePath(".lock"));
    // A new name is nobody's: where even its lock cannot be written, so
    // cannot the copy, and write() says why.
    m_lock->tryLock(0);
}

AutosaveCopy::AutosaveCopy(QString name, std::unique_ptr<QLockFile> lock)
    : m_name(std::move(name)), m_lock(std::move(lock))
{}

QString AutosaveCopy::filePath(const char *suffix) const
{
    return folder() + QLatin1Char('/') + m_name + QLatin1String(suffix);
}

QString AutosaveCopy::copyPath() const { return filePath(".nqplan"); }

QString AutosaveCopy::write(const QByteArray &planText, const QString &planPath)
{
    if (!QDir().mkpath(folder()))
        return QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder()));
    if (!m_lock->isLocked() && !m_lock->tryLock(0))
        return QStringLiteral("its lock file cannot be written");
    const QByteArray path = planPath.toUtf8();
    for (const auto &[suffix, bytes] : {std::pair{".path", &path}, std::pair{".nqplan", &planText}})
        if (const int error = netquill::writeWholeFile(filePath(suffix).toStdString(),
                                                       std::string_view(bytes->constData(), bytes->size()));
            error != 0)
            return QString::fromLocal8Bit(std::strerror(error));
    return {};
}

void AutosaveCopy::remove()
{
    QFile::remove(filePath(".nqplan"));
    QFile::remove(filePath(".path"));
}

QList<AutosaveCopy::Stale> AutosaveCopy::takeStale()
{
    QList<Stale> stale;
    const QDir copies(folder());
    for (const QFileInfo &copy : copies.entryInfoList({QStringLiteral("*.nqplan")}, QDir::Files, QDir::Time)) {
        const QString name = copy.completeBaseName();
        auto lock = lockFile(copies.filePath(name + QStringLiteral(".lock")));
        // Held: the copy of a window open in a running program.
        if (!lock->tryLock(0))
            continue;
        QFile source(copies.filePath(name + QStringLiteral(".path")));
        const QString planPath = source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
        stale.append(
            {std::shared_ptr<AutosaveCopy>(new AutosaveCopy(name, std::move(lock))), planPath, copy.lastModified()});
    }
    return stale;
}
