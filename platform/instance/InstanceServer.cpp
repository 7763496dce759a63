#include "platform/instance/InstanceServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace quorvex::platform {

namespace {

// A command word is short; a client that sends more without a line end is
// not one of ours.
constexpr qint64 kLongestLine = 64;

} // namespace

InstanceServer::InstanceServer(std::string socketPath)
    : m_socketPath(std::move(socketPath))
{
}

InstanceServer::~InstanceServer()
{
    close();
}

bool InstanceServer::listen(CommandLookup lookup, std::string* error)
{
    close();
    m_lookup = std::move(lookup);
    const QString path = QString::fromStdString(m_socketPath);
    QLocalServer::removeServer(path);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        *error = "cannot listen on " + m_socketPath + ": " + m_server->errorString().toStdString();
        m_server.reset();
        return false;
    }
    QLocalServer* server = m_server.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
                if (!client->canReadLine()) {
                    if (client->bytesAvailable() > kLongestLine)
                        client->disconnectFromServer();
                    return;
                }
                const std::string word = client->readLine(kLongestLine + 1).trimmed().toStdString();
                std::function<void()> work = m_lookup ? m_lookup(word) : std::function<void()>();
                client->write(work ? "ok\n" : "unknown\n");
                client->flush();
                client->disconnectFromServer();
                if (work)
                    QTimer::singleShot(0, std::move(work));
            });
        }
    });
    return true;
}

void InstanceServer::close()
{
    if (!m_server)
        return;
    m_server->close();
    m_server.reset();
    QLocalServer::removeServer(QString::fromStdString(m_socketPath));
}

} // namespace quorvex::platform
