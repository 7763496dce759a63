#include "launcher/startup/RemoteCommand.h"

#include "launcher/startup/Launcher.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceLock.h"
#include "platform/instance/RuntimeFolder.h"

#include <QCoreApplication>

#include <array>
#include <cstdio>
#include <string>

namespace launcher {

namespace qp = quorvex::platform;

namespace {

struct CommandName {
    RemoteCommand command;
    std::string_view word;
};

constexpr std::array<CommandName, 3> kCommandNames{{
    {RemoteCommand::Raise, "raise"},
    {RemoteCommand::Quit, "quit"},
    {RemoteCommand::Refresh, "refresh"},
}};

// A launcher that is still starting up takes commands once its window is up.
constexpr std::chrono::seconds kStartupPatience{20};

int failWith(const std::string& message)
{
    std::fprintf(stderr, "quorvex: %s\n", message.c_str());
    return 1;
}

} // namespace

std::optional<RemoteCommand> RemoteCommandForWord(std::string_view word)
{
    for (const CommandName& name : kCommandNames) {
        if (name.word == word)
            return name.command;
    }
    return std::nullopt;
}

std::optional<RemoteCommand> RemoteCommandForArgument(std::string_view argument)
{
    if (argument.substr(0, 2) != "--")
        return std::nullopt;
    return RemoteCommandForWord(argument.substr(2));
}

std::string_view RemoteCommandWord(RemoteCommand command)
{
    for (const CommandName& name : kCommandNames) {
        if (name.command == command)
            return name.word;
    }
    return {};
}

void RunRemoteCommand(Launcher& launcher, RemoteCommand command)
{
    switch (command) {
    case RemoteCommand::Raise:
        launcher.HotKeyUp();
        break;
    case RemoteCommand::Quit:
        // As the exit button: the close handler stores the window's state.
        launcher.form().close();
        QCoreApplication::quit();
        break;
    case RemoteCommand::Refresh:
        launcher.ReloadLibrary();
        break;
    }
}

int SendRemoteCommand(const AppPaths& paths, RemoteCommand command)
{
    std::string error;
    const qp::InstanceAddress address = qp::instanceAddressFor(paths.AppFolder(), &error);
    if (address.lockPath.empty())
        return failWith(error);
    qp::InstanceLock probe(address.lockPath);
    switch (probe.take(std::chrono::milliseconds(0), &error)) {
    case qp::InstanceLock::Outcome::Taken:
        return failWith("no launcher is running for " + paths.AppFolder());
    case qp::InstanceLock::Outcome::Failed:
        return failWith(error);
    case qp::InstanceLock::Outcome::HeldByAnother:
        break;
    }
    const std::string word(RemoteCommandWord(command));
    switch (qp::sendInstanceCommand(address.socketPath, word, kStartupPatience)) {
    case qp::CommandDelivery::Taken:
        return 0;
    case qp::CommandDelivery::Refused:
        return failWith("the running launcher does not take --" + word);
    case qp::CommandDelivery::NoAnswer:
        break;
    }
    return failWith("the launcher running for " + paths.AppFolder() + " did not answer");
}

} // namespace launcher
