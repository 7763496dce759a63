// map_watch TITLE PROGRAM [ARGUMENTS...]
// Starts PROGRAM and prints the milliseconds from just before its start to
// the moment a window titled TITLE is mapped, then ends it (SIGTERM). Event
// driven: every new top-level window is watched from its creation, so the
// figure does not depend on a polling interval.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool hasTitle(Display* display, Window window, const char* title)
{
    XTextProperty name{};
    if (!XGetWMName(display, window, &name) || !name.value)
        return false;
    const bool same = std::strcmp(reinterpret_cast<const char*>(name.value), title) == 0;
    XFree(name.value);
    return same;
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0; // windows may vanish while they are looked at
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: no display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("map_watch: exec");
        _exit(127);
    }
    const char* title = argv[1];
    int result = 1;
    for (;;) {
        if (XPending(display) == 0) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "map_watch: %s ended before showing \"%s\"\n", argv[2], title);
                return 1;
            }
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        Window mapped = 0;
        if (event.type == CreateNotify) {
            const Window created = event.xcreatewindow.window;
            XSelectInput(display, created, StructureNotifyMask | PropertyChangeMask);
            XSync(display, False);
            // It may have been mapped before it was watched.
            if (isViewable(display, created))
                mapped = created;
        } else if (event.type == MapNotify) {
            mapped = event.xmap.window;
        } else if (event.type == PropertyNotify && isViewable(display, event.xproperty.window)) {
            mapped = event.xproperty.window; // titled after it was mapped
        }
        if (mapped && hasTitle(display, mapped, title)) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            result = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
