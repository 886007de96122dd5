// Starts a program and reports how long it took until its first top-level window was mapped,
// and its resident memory at that moment:
//   startup_probe PROGRAM [ARG...]   prints "<milliseconds> <resident KiB>"
// Needs a display without a window manager (Xvfb), where the program's own map request
// becomes the MapNotify the root window reports.
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_probe PROGRAM [ARG...]\n", stderr);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fputs("startup_probe: cannot open the display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

    const double start = Milliseconds();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("startup_probe: exec");
        _exit(127);
    }
    double mapped = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool isMap = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (isMap) {
            mapped = Milliseconds();
            break;
        }
    }
    const long rss = ResidentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (mapped < 0) {
        std::fputs("startup_probe: the display closed before a window was mapped\n", stderr);
        return 1;
    }
    std::printf("%.1f %ld\n", mapped - start, rss);
    return 0;
}
