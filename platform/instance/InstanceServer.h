#pragma once

#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace quorvex::platform {

// The running launcher's end of the command socket. A client sends one word
// on a line; the server answers "ok" when the word names a command and
// "unknown" otherwise, and runs the command from the event loop after the
// answer is on its way, so a command that ends the program still answers.
class InstanceServer {
public:
    // The work for a command word; empty when the word names none.
    using CommandLookup = std::function<std::function<void()>(const std::string& word)>;

    explicit InstanceServer(std::string socketPath);
    ~InstanceServer();
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // Replaces a socket file left behind by an earlier run: call it only
    // while holding the program folder's instance lock.
    bool listen(CommandLookup lookup, std::string* error);
    void close();

private:
    std::string m_socketPath;
    std::unique_ptr<QLocalServer> m_server;
    CommandLookup m_lookup;
};

} // namespace quorvex::platform
