#pragma once

// The autosave folder in the user's cache folder: a copy of each open
// plan's last changes, so that a program killed, or ended by its main window,
// loses nothing. Each copy is held under a lock file for as long as its
// window is open, so that a second running program never offers, replaces
// or deletes the copy of a plan the first has open; a copy whose lock is
// stale (its program ended) is offered back at the next start.

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>

class AutosaveCopy
{
public:
    // A copy of its own for a new window, its lock taken at once.
    AutosaveCopy();
    AutosaveCopy(const AutosaveCopy &) = delete;
    AutosaveCopy &operator=(const AutosaveCopy &) = delete;
    // The lock is given up; the copy stays, to be offered at the next start.
    ~AutosaveCopy() = default;

    // The plan's text and the path of its file (empty for a new plan), whole
    // or not at all; the system's reason where they could not be written.
    QString write(const QByteArray &planText, const QString &planPath);
    // The copy gone (the plan saved or its changes discarded).
    void remove();
    QString copyPath() const;

    // A copy left by a program that ended, its lock now held by this one.
    struct Stale {
        std::shared_ptr<AutosaveCopy> copy;
        QString planPath;  // empty for a plan never saved
        QDateTime lastChanged;
    };
    // Every copy whose program ended, the newest first.
    static QList<Stale> takeStale();

private:
    AutosaveCopy(QString name, std::unique_ptr<QLockFile> lock);
    static QString folder();
    QString filePath(const char *suffix) const;

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
};
