// Start-up time, exec to window mapped, of Huemark beside a floor: a window of the same kinds of
// widgets doing nothing of Huemark's work. Both run on a private Xvfb, interleaved, each run timed
// from just before exec to the X server's MapNotify of its window; resident memory is read at
// that moment (and, with --settle S, S seconds later). With --hung-clipboard a stopped program
// owns the clipboard, so the figure is what start-up's paste deadline costs.
//
//   bench_startup --huemark build/huemark --floor build/bench/startup/bench_startup_floor
//                 [--runs 20] [--settle 2] [--bare] [--hung-clipboard] [--german]
//
// --german: Huemark started a third time, with the desktop in German (LANG=de_DE.UTF-8).

#include "support/PrivateDisplay.h"
#include "support/Processes.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

struct Program {
    std::string label;
    std::vector<std::string> argv;
    std::vector<double> millis;
    std::vector<double> residentMiB;
    std::vector<double> settledMiB;
    std::vector<std::string> language{}; // the desktop's language, where it is not the default
};

[[noreturn]] void die(const char* what) {
    std::fprintf(stderr, "bench_startup: %s\n", what);
    std::exit(1);
}

// Waits for the next MapNotify of a top-level window, up to the timeout.
bool waitForMap(xcb_connection_t* conn, Clock::time_point deadline) {
    const int fd = xcb_get_file_descriptor(conn);
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn)) {
            const bool mapped =
                (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped) {
                return true;
            }
        }
        pollfd p{fd, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        poll(&p, 1, static_cast<int>(std::max<long long>(1, left.count())));
    }
    return false;
}
} // namespace

int main(int argc, char** argv) {
    std::string huemark;
    std::string floor;
    int runs = 20;
    double settle = 0;
    bool bare = false;
    bool german = false;
    bool hungClipboard = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--huemark" && i + 1 < argc) {
            huemark = argv[++i];
        } else if (a == "--floor" && i + 1 < argc) {
            floor = argv[++i];
        } else if (a == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (a == "--settle" && i + 1 < argc) {
            settle = std::atof(argv[++i]);
        } else if (a == "--bare") {
            bare = true;
        } else if (a == "--german") {
            german = true;
        } else if (a == "--hung-clipboard") {
            hungClipboard = true;
        }
    }
    if (huemark.empty() || floor.empty()) {
        die("usage: bench_startup --huemark PATH --floor PATH [--runs N] [--settle S] [--bare] "
            "[--hung-clipboard]");
    }

    // A private X server; it writes its display number once it accepts connections.
    pid_t xvfb = 0;
    const std::string display = StartPrivateXvfb("1024x768x24", {}, &xvfb);
    if (display.empty()) {
        die("Xvfb did not start");
    }

    xcb_connection_t* conn = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(conn)) {
        die("cannot connect to Xvfb");
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(conn);

    char home[] = "/tmp/huemark-bench-startup-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        die("mkdtemp failed");
    }
    const std::vector<std::string> env = {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb",
                                          std::string("HOME=") + home,
                                          std::string("XDG_CONFIG_HOME=") + home + "/.config",
                                          std::string("XDG_RUNTIME_DIR=") + home};

    pid_t owner = -1;
    if (hungClipboard) {
        owner = SpawnQuiet(
            {"xclip", "-selection", "clipboard", "-t", "image/png", "-i", "/dev/null", "-quiet"},
            env);
        usleep(300000); // it owns the clipboard, then stops answering
        kill(owner, SIGSTOP);
    }
    std::vector<Program> programs = {{"floor", {floor}, {}, {}, {}},
                                     {"huemark", {huemark}, {}, {}, {}}};
    if (bare) {
        programs.push_back({"bare Qt window", {floor, "bare"}, {}, {}, {}});
    }
    if (german) {
        programs.push_back({"huemark German", {huemark}, {}, {}, {}, {"LANG=de_DE.UTF-8"}});
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& p : programs) {
            const auto start = Clock::now();
            std::vector<std::string> programEnv = env;
            programEnv.insert(programEnv.end(), p.language.begin(), p.language.end());
            const pid_t pid = SpawnQuiet(p.argv, programEnv);
            if (!waitForMap(conn, start + std::chrono::seconds(30))) {
                kill(pid, SIGKILL);
                die(("no window mapped by " + p.label).c_str());
            }
            p.millis.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            p.residentMiB.push_back(ResidentMiB(pid));
            if (settle > 0) {
                usleep(static_cast<useconds_t>(settle * 1e6));
                p.settledMiB.push_back(ResidentMiB(pid));
            }
            StopProgram(pid);
        }
    }

    std::printf("%-16s %10s %12s", "program", "median ms", "RSS MiB");
    std::printf(settle > 0 ? " %14s\n" : "\n", "RSS after settle");
    for (const Program& p : programs) {
        std::printf("%-16s %10.1f %12.1f", p.label.c_str(), Median(p.millis),
                    Median(p.residentMiB));
        if (settle > 0) {
            std::printf(" %14.1f", Median(p.settledMiB));
        }
        std::printf("\n");
    }
    std::printf("huemark / floor: %.2fx (%d interleaved runs each)\n",
                Median(programs[1].millis) / Median(programs[0].millis), runs);
    if (german) {
        std::printf("huemark in German / in English: %.2fx\n",
                    Median(programs.back().millis) / Median(programs[1].millis));
    }

    if (owner > 0) {
        kill(owner, SIGKILL);
        waitpid(owner, nullptr, 0);
    }
    xcb_disconnect(conn);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    std::string cleanup = std::string("rm -rf ") + home;
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
