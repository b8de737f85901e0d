#include "ui/plans/planhandoff.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// The paths, one a line, then an empty line; the program that took them answers "ok".
constexpr char kEnd[] = "\n\n";
constexpr char kTaken[] = "ok\n";
constexpr int kWaitMs = 5000;

QString socketPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/netquill-plans");
}

}  // namespace

bool handPlansToRunningProgram(const QStringList &paths)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(kWaitMs))
        return false;
    QStringList absolute;
    for (const QString &path : paths)
        absolute << QFileInfo(path).absoluteFilePath();
    socket.write(absolute.join(QLatin1Char('\n')).toUtf8() + kEnd);
    // Taken only once the program says so: one that was ending answers nothing.
    QByteArray answer;
    while (answer.size() < qsizetype(sizeof kTaken - 1) && socket.waitForReadyRead(kWaitMs))
        answer += socket.readAll();
    return answer == kTaken;
}

PlanReceiver::PlanReceiver(QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &PlanReceiver::takeConnection);
}

bool PlanReceiver::listen()
{
    if (m_server->listen(socketPath()))
        return true;
    // A socket no program answers is left by one that was killed.
    QLocalSocket probe;
    probe.connectToServer(socketPath());
    if (probe.waitForConnected(kWaitMs))
        return false;
    QLocalServer::removeServer(socketPath());
    return m_server->listen(socketPath());
}

void PlanReceiver::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Paths are short: a sender that sends more than any list of them is no Netquill.
            if (socket->bytesAvailable() > (1 << 20))
                return socket->abort();
            const QByteArray received = socket->peek(socket->bytesAvailable());
            if (!received.endsWith(kEnd))
                return;
            socket->readAll();
            socket->write(kTaken);
            socket->flush();
            emit plansArrived(QString::fromUtf8(received.chopped(2)).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
        });
    }
}
