#include "platform/watch/InotifyFolderWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

namespace {

// Writes in progress count too (IN_MODIFY), so that a reader waiting for a
// file to settle hears of every piece of a slow save.
constexpr uint32_t kFolderEvents = IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM
                                   | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;
constexpr uint32_t kParentEvents = IN_CREATE | IN_MOVED_TO | IN_ONLYDIR;

std::string withoutTrailingSeparators(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

InotifyFolderWatcher::InotifyFolderWatcher()
{
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        m_initProblem = std::string("inotify: ") + std::strerror(errno);
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
}

InotifyFolderWatcher::~InotifyFolderWatcher()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string InotifyFolderWatcher::watchFolder(const std::string& folder)
{
    disarm();
    m_folder = withoutTrailingSeparators(folder);
    if (m_folder.empty())
        return {};
    if (m_fd < 0)
        return "cannot watch " + m_folder + ": " + m_initProblem;
    return arm();
}

std::string InotifyFolderWatcher::arm()
{
    m_folderWatch = inotify_add_watch(m_fd, m_folder.c_str(), kFolderEvents);
    if (m_folderWatch >= 0)
        return {};
    const std::string problem = "cannot watch " + m_folder + ": " + std::strerror(errno);
    const std::string parent = std::filesystem::path(m_folder).parent_path().string();
    if (m_parentWatch < 0 && !parent.empty())
        m_parentWatch = inotify_add_watch(m_fd, parent.c_str(), kParentEvents);
    return problem;
}

void InotifyFolderWatcher::disarm()
{
    // Removing a watch queues its IN_IGNORED; the number is unset first, so
    // that event no longer matches it.
    for (int* watch : {&m_folderWatch, &m_parentWatch}) {
        const int number = *watch;
        *watch = -1;
        if (number >= 0)
            inotify_rm_watch(m_fd, number);
    }
}

void InotifyFolderWatcher::folderLost()
{
    disarm();
    // A folder replaced by a rename is back already and watched at once;
    // otherwise its parent is watched for its return.
    arm();
    reportChange({});
}

void InotifyFolderWatcher::readEvents()
{
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return; // EAGAIN: all read
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            const std::string name = event->len ? std::string(event->name) : std::string();
            if (event->mask & IN_Q_OVERFLOW) {
                reportChange({});
            } else if (event->wd == m_folderWatch && m_folderWatch >= 0) {
                if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED))
                    folderLost();
                else
                    reportChange(name);
            } else if (event->wd == m_parentWatch && m_parentWatch >= 0
                       && name == std::filesystem::path(m_folder).filename().string()) {
                if (arm().empty()) {
                    const int parent = m_parentWatch;
                    m_parentWatch = -1;
                    inotify_rm_watch(m_fd, parent);
                    reportChange({});
                }
            }
        }
    }
}

} // namespace platform
