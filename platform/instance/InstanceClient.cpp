#include "platform/instance/InstanceClient.h"

#include <QLocalSocket>

#include <thread>

namespace quorvex::platform {

namespace {

constexpr int kAnswerTimeoutMs = 10000;

} // namespace

CommandDelivery sendInstanceCommand(const std::string& socketPath, const std::string& word,
                                    std::chrono::milliseconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(QString::fromStdString(socketPath));
        if (socket.waitForConnected(1000))
            break;
        socket.abort();
        if (std::chrono::steady_clock::now() >= deadline)
            return CommandDelivery::NoAnswer;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    socket.write(QByteArray::fromStdString(word + "\n"));
    if (!socket.waitForBytesWritten(kAnswerTimeoutMs))
        return CommandDelivery::NoAnswer;
    // The server answers one line, then hangs up.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerTimeoutMs))
            return CommandDelivery::NoAnswer;
    }
    const QByteArray answer = socket.readLine().trimmed();
    return answer == "ok" ? CommandDelivery::Taken : CommandDelivery::Refused;
}

} // namespace quorvex::platform
