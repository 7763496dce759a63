#include "launcher/startup/SingleLauncher.h"

#include "launcher/startup/RemoteCommand.h"

#include <chrono>
#include <cstdio>

namespace launcher {

namespace qp = quorvex::platform;

namespace {

// The skin chooser's restart starts the new launcher a moment before the
// old one ends.
constexpr std::chrono::seconds kRestartPatience{20};

void warnUnguarded(const std::string& why)
{
    std::fprintf(stderr, "quorvex: cannot keep a second launcher off this folder: %s\n", why.c_str());
}

qp::InstanceAddress addressOf(const AppPaths& paths, std::string* error)
{
    return qp::instanceAddressFor(paths.AppFolder(), error);
}

} // namespace

SingleLauncher::SingleLauncher(const AppPaths& paths)
    : m_paths(paths)
    , m_address(addressOf(paths, &m_setupError))
    , m_lock(m_address.lockPath)
    , m_server(m_address.socketPath)
{
}

bool SingleLauncher::claim(Start start, int* exitStatus)
{
    *exitStatus = 0;
    if (m_address.lockPath.empty()) {
        warnUnguarded(m_setupError);
        return true;
    }
    std::string error;
    const auto patience = start == Start::AfterPrevious ? std::chrono::milliseconds(kRestartPatience)
                                                        : std::chrono::milliseconds(0);
    switch (m_lock.take(patience, &error)) {
    case qp::InstanceLock::Outcome::Taken:
        return true;
    case qp::InstanceLock::Outcome::Failed:
        warnUnguarded(error);
        return true;
    case qp::InstanceLock::Outcome::HeldByAnother:
        break;
    }
    *exitStatus = SendRemoteCommand(m_paths, RemoteCommand::Raise);
    return false;
}

void SingleLauncher::listen(Launcher& launcher)
{
    if (!m_lock.isHeld())
        return;
    std::string error;
    const bool listening = m_server.listen(
        [&launcher](const std::string& word) -> std::function<void()> {
            const std::optional<RemoteCommand> command = RemoteCommandForWord(word);
            if (!command)
                return {};
            return [&launcher, command] { RunRemoteCommand(launcher, *command); };
        },
        &error);
    if (!listening)
        std::fprintf(stderr, "quorvex: commands for this launcher cannot reach it: %s\n", error.c_str());
}

} // namespace launcher
