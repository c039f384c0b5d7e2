// Times a program's start to the map of its first window, as the X server itself reports it.
//   MapTimer PROGRAM [ARGUMENT...]
//
// Listens to the root window's MapNotify events before it starts the program, so the moment of
// the map is the server's, not a poll's. At the map it reads the CPU time that all the program's
// threads have had; one second later its resident memory, the mapped window's size and name;
// then it ends the program. Prints one line:
//   SECONDS RESIDENT_KB CPU_SECONDS WIDTHxHEIGHT NAME
// Run it without a window manager: a manager's frame would be mapped instead of the window.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

double monotonicSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The time on a CPU of every thread of the process, from the scheduler's own account.
double cpuSeconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (dir == nullptr)
        return 0;
    unsigned long long total = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long ran = 0;
        if (stat >> ran)
            total += ran;
    }
    closedir(dir);
    return double(total) / 1e9;
}

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

std::string windowName(Display *display, Window window)
{
    char *name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return "";
    std::string text = name;
    XFree(name);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double started = monotonicSeconds();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    XEvent event {};
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect);
    const double mapped = monotonicSeconds();
    const double cpu = cpuSeconds(pid);
    const Window window = event.xmap.window;

    sleep(1);
    const long resident = residentKilobytes(pid);
    XWindowAttributes attributes {};
    XGetWindowAttributes(display, window, &attributes);
    const std::string name = windowName(display, window);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);

    std::printf("%.6f %ld %.6f %dx%d %s\n", mapped - started, resident, cpu, attributes.width,
        attributes.height, name.c_str());
    return 0;
}
