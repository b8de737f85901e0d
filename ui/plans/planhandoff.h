#pragma once

// One program opens every plan: plans named on the command line (a file
// manager's double click) while Netquill runs are handed to the running
// program through a local socket of the user's, and it opens them, raising
// a plan that is open already.

#include <QObject>
#include <QStringList>

class QLocalServer;

// True where a running program took the plans; false where none runs.
bool handPlansToRunningProgram(const QStringList &paths);

// The running program's end of the socket.
class PlanReceiver : public QObject
{
    Q_OBJECT

public:
    explicit PlanReceiver(QObject *parent);
    // Listens, unless another running program does already.
    bool listen();

signals:
    void plansArrived(const QStringList &paths);

private:
    void takeConnection();

    QLocalServer *m_server = nullptr;
};
