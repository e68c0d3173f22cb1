#include "mainwin/runningcopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace orlavine {

namespace {

// The running copy's address: one per folder, the same for every path that names it.
QString ServerName(const QString& folder)
{
    const QByteArray path = QDir(folder).canonicalPath().toUtf8();
    return QStringLiteral("orlavine-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
}

bool AskToComeToFront(const QString& folder)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName(folder));
    if (!socket.waitForConnected(2000))
        return false;
    socket.write("front\n");
    return socket.waitForBytesWritten(2000);
}

} // namespace

RunningCopy::RunningCopy(const QString& folder)
    : m_lock(folder + QStringLiteral("/orlavine.lock")), m_server(new QLocalServer(this))
{
    // Only a lock whose process has ended is stale, however long this copy runs.
    m_lock.setStaleLockTime(0);
}

RunningCopy::~RunningCopy() = default;

std::unique_ptr<RunningCopy> RunningCopy::Claim(const QString& folder, bool* toldRunningCopy)
{
    *toldRunningCopy = false;
    std::unique_ptr<RunningCopy> copy(new RunningCopy(folder));
    if (!copy->m_lock.tryLock(0)) {
        // A folder where no lock can be made (read-only) has no second writer to fear.
        if (copy->m_lock.error() != QLockFile::LockFailedError)
            return copy;
        *toldRunningCopy = AskToComeToFront(folder);
        return nullptr;
    }
    const QString name = ServerName(folder);
    QLocalServer::removeServer(name); // left by a copy that ended without closing it
    RunningCopy* running = copy.get();
    connect(running->m_server, &QLocalServer::newConnection, running, [running] {
        while (QLocalSocket* socket = running->m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit running->frontRequested();
        }
    });
    if (!copy->m_server->listen(name))
        qWarning("cannot listen for later starts: %s", qPrintable(copy->m_server->errorString()));
    return copy;
}

} // namespace orlavine
