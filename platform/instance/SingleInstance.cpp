#include "platform/instance/SingleInstance.h"

#include "platform/Logging.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {
QString userName()
{
    QString user =
        qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("user")));
    user.remove(QLatin1Char('/'));
    return user;
}
} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent), m_name(name + QLatin1Char('-') + userName())
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim(const QString &argument)
{
    m_lock = std::make_unique<QLockFile>(QDir::tempPath() + QLatin1Char('/') + m_name +
                                         QStringLiteral(".lock"));
    // Only a lock whose process has ended is stale, however old it is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(100)) {
        QLocalServer::removeServer(m_name);
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
        if (!m_server->listen(m_name))
            qCWarning(lcPlatform) << "Cannot listen for later copies:" << m_server->errorString();
        return true;
    }
    m_lock.reset();

    // Another copy holds the lock; it may still be starting, so try for a while.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 2000) {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(500)) {
            socket.write(argument.toUtf8() + '\n');
            socket.waitForBytesWritten(2000);
            socket.disconnectFromServer();
            return false;
        }
        QThread::msleep(100);
    }
    qCWarning(lcPlatform) << "Another copy of the program holds" << m_name << "but does not answer";
    return false;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readLines = [this, socket] {
            // The request is handled from the event loop, not inside this socket
            // handler: opening a report runs events, and the socket may go.
            while (socket->canReadLine()) {
                QByteArray line = socket->readLine();
                line.chop(line.endsWith("\r\n") ? 2 : 1);
                const QString file = QString::fromUtf8(line);
                QMetaObject::invokeMethod(
                    this, [this, file] { emit fileRequested(file); }, Qt::QueuedConnection);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readLines);
        readLines(); // whatever arrived before the connection was taken
    }
}
