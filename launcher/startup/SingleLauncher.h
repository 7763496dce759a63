#pragma once

#include "launcher/config/AppPaths.h"
#include "platform/instance/InstanceLock.h"
#include "platform/instance/InstanceServer.h"
#include "platform/instance/RuntimeFolder.h"

namespace launcher {

class Launcher;

// One launcher per program folder: the first one holds the folder's lock and
// takes commands on its socket; a later one hands over to it instead of
// opening a second window on the same skin files.
class SingleLauncher {
public:
    enum class Start {
        Immediately,   // another launcher of the folder means hand over at once
        AfterPrevious, // a restart: wait for the launcher that started this one to end
    };

    explicit SingleLauncher(const AppPaths& paths);

    // True when this process is to be the folder's launcher. False when
    // another one runs: it was asked to come to the front, and `exitStatus`
    // says whether it did. When the guard itself cannot be set up, that is
    // said on standard error and the launcher runs unguarded.
    bool claim(Start start, int* exitStatus);
    // From now on commands sent to the folder's launcher reach `launcher`.
    void listen(Launcher& launcher);

private:
    AppPaths m_paths;
    std::string m_setupError;
    quorvex::platform::InstanceAddress m_address;
    quorvex::platform::InstanceLock m_lock;
    quorvex::platform::InstanceServer m_server;
};

} // namespace launcher
