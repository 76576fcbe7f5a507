// The screen pick from outside: exec of `huemark --pick` to its frozen screen shown (the window
// that holds the screen still mapped) and to its loupe drawn, beside the fastest one-gesture picker
// Debian has (gpick's single pick, to its floating picker mapped) and a floor (a bare Qt
// full-screen window showing Qt's own grab of the screen), interleaved on a private X server;
// resident memory when shown. Huemark and the floor count as shown once the loupe's dark text band
// is on the screen (drawn, not only mapped); gpick once its window is mapped, which favours it.
//
//   bench_pick --huemark build/huemark --floor build/bench/pick/bench_pick_floor
//              [--runs 10] [--no-gpick] [--two-4k]
//
// --two-4k: two 3840 x 2160 monitors side by side, on Xorg's dummy driver (needs root and
// xserver-xorg-video-dummy, x11-xserver-utils); else one 1920 x 1080 Xvfb.
//
// With the instance in the background (`huemark --background`, started once, in a runtime folder
// of its own so that the cold runs do not find it), two more figures in the same interleaved
// runs: its shortcut (Super+Shift+C, pressed through XTest) to the loupe drawn, and exec of
// `huemark --pick` to the loupe drawn through it; each gesture is then ended with Escape.
// --idle SECONDS: afterwards, the instance's CPU time and wake-ups over that long, left alone.

#include "support/PrivateDisplay.h"
#include "support/Processes.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <dlfcn.h>
#include <fstream>
#include <sstream>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

[[noreturn]] void die(const std::string& what) {
    std::fprintf(stderr, "bench_pick: %s\n", what.c_str());
    std::exit(1);
}

// Xorg on the dummy driver with two 3840 x 2160 outputs side by side.
std::string startTwo4k(pid_t* server, const std::string& folder) {
    const std::string config = folder + "/xorg.conf";
    FILE* f = std::fopen(config.c_str(), "w");
    if (f == nullptr) {
        die("cannot write " + config);
    }
    std::fputs("Section \"Device\"\n Identifier \"d\"\n Driver \"dummy\"\n VideoRam 512000\n"
               "EndSection\nSection \"Screen\"\n Identifier \"s\"\n Device \"d\"\n"
               " DefaultDepth 24\n SubSection \"Display\"\n  Depth 24\n  Virtual 7680 2160\n"
               " EndSubSection\nEndSection\n",
               f);
    std::fclose(f);
    int fds[2];
    if (pipe(fds) != 0) {
        die("pipe failed");
    }
    *server = fork();
    if (*server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        const std::string log = folder + "/xorg.log";
        execlp("Xorg", "Xorg", "-displayfd", fd.c_str(), "-config", config.c_str(), "-logfile",
               log.c_str(), "-noreset", "-nolisten", "tcp", "-novtswitch", "-sharevts", nullptr);
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (number.size() < 16 && read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        die("Xorg did not start (root, xserver-xorg-video-dummy?)");
    }
    const std::string display = ":" + number;
    const std::string xrandr = "DISPLAY=" + display + " xrandr";
    const std::string setup =
        xrandr + " --newmode uhd 594 3840 4016 4104 4400 2160 2168 2178 2250 && " + xrandr +
        " --addmode DUMMY0 uhd && " + xrandr + " --addmode DUMMY1 uhd && " + xrandr +
        " --output DUMMY0 --mode uhd --pos 0x0 --primary --output DUMMY1 --mode uhd --pos 3840x0";
    if (std::system(setup.c_str()) != 0) {
        die("xrandr could not make two 4K monitors");
    }
    return display;
}

// A private session bus, as a desktop has: without one each toolkit program would start its own
// on its way up. Returns its address; bus is its process.
std::string startBus(pid_t* bus) {
    int fds[2];
    if (pipe(fds) != 0) {
        die("pipe failed");
    }
    *bus = fork();
    if (*bus == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--print-address", nullptr);
        _exit(127);
    }
    close(fds[1]);
    std::string address;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') {
        address += c;
    }
    close(fds[0]);
    if (address.empty()) {
        die("dbus-daemon did not start");
    }
    return address;
}

struct Program {
    std::string label;
    std::vector<std::string> argv;
    bool byMap; // shown once a window is mapped, not once the loupe's band is drawn
    std::vector<double> millis;
    std::vector<double> residentMiB;
    bool shortcut = false; // the instance's shortcut, not a program started
    bool throughInstance = false;
};

// Keys pressed as the user presses them, through the XTest extension (libXtst, opened here: its
// headers are not needed for one function).
class FakeKeys {
public:
    explicit FakeKeys(const std::string& display) {
        m_display = XOpenDisplay(display.c_str());
        void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
        if (m_display == nullptr || xtst == nullptr) {
            die("XTest is not at hand (libXtst6)");
        }
        m_fake = reinterpret_cast<Fake>(dlsym(xtst, "XTestFakeKeyEvent"));
        if (m_fake == nullptr) {
            die("XTestFakeKeyEvent is missing");
        }
    }
    ~FakeKeys() { XCloseDisplay(m_display); }
    FakeKeys(const FakeKeys&) = delete;
    FakeKeys& operator=(const FakeKeys&) = delete;
    // Presses the keys in order, then lets them go in the reverse order.
    void chord(std::vector<KeySym> keys) {
        for (KeySym k : keys) {
            m_fake(m_display, XKeysymToKeycode(m_display, k), True, CurrentTime);
        }
        for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
            m_fake(m_display, XKeysymToKeycode(m_display, *it), False, CurrentTime);
        }
        XFlush(m_display);
    }

private:
    using Fake = int (*)(Display*, unsigned int, int, unsigned long);
    Display* m_display = nullptr;
    Fake m_fake = nullptr;
};

// User and system CPU time in clock ticks, and the context switches, from /proc.
struct CpuUse {
    long long ticks = 0;
    long long switches = 0;
};
CpuUse CpuOf(pid_t pid) {
    CpuUse use;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14 || i == 15) {
            use.ticks += std::stoll(field);
        }
    }
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.find("ctxt_switches:") != std::string::npos) {
            use.switches += std::stoll(line.substr(line.find(':') + 1));
        }
    }
    return use;
}
} // namespace

int main(int argc, char** argv) {
    std::string huemark;
    std::string floor;
    int runs = 10;
    bool gpick = true;
    bool two4k = false;
    int idleSeconds = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--huemark" && i + 1 < argc) {
            huemark = argv[++i];
        } else if (a == "--floor" && i + 1 < argc) {
            floor = argv[++i];
        } else if (a == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (a == "--no-gpick") {
            gpick = false;
        } else if (a == "--two-4k") {
            two4k = true;
        } else if (a == "--idle" && i + 1 < argc) {
            idleSeconds = std::atoi(argv[++i]);
        }
    }
    if (huemark.empty() || floor.empty()) {
        die("usage: bench_pick --huemark PATH --floor PATH [--runs N] [--no-gpick] [--two-4k]");
    }
    char home[] = "/tmp/huemark-bench-pick-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        die("mkdtemp failed");
    }
    pid_t server = 0;
    const std::string display =
        two4k ? startTwo4k(&server, home) : StartPrivateXvfb("1920x1080x24", {}, &server);
    if (display.empty()) {
        die("the X server did not start");
    }
    xcb_connection_t* conn = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(conn)) {
        die("cannot connect to the X server");
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn, screen->root, XCB_CW_EVENT_MASK, &mask);
    // The loupe stands right of and below the pointer; its text band's background is probed.
    const int16_t pointerX = 400;
    const int16_t pointerY = 300;
    const int16_t probeX = pointerX + 24 + 3;
    const int16_t probeY = pointerY + 24 + 170;
    xcb_flush(conn);

    pid_t bus = 0;
    const std::vector<std::string> env = {"DISPLAY=" + display,
                                          "QT_QPA_PLATFORM=xcb",
                                          "DBUS_SESSION_BUS_ADDRESS=" + startBus(&bus),
                                          std::string("HOME=") + home,
                                          std::string("XDG_CONFIG_HOME=") + home + "/.config",
                                          std::string("XDG_RUNTIME_DIR=") + home};
    // Huemark twice: to its frozen screen (the first window it maps, over the whole screen),
    // and to its loupe drawn.
    std::vector<Program> programs = {
        {"Qt grab floor", {floor}, false, {}, {}},
        {"huemark --pick", {huemark, "--pick", "--no-copy"}, false, {}, {}},
        {"bare windows", {floor, "bare"}, false, {}, {}},
        {"huemark frozen", {huemark, "--pick", "--no-copy"}, true, {}, {}}};
    if (gpick) {
        programs.push_back({"gpick -s", {"gpick", "-s", "-o"}, true, {}, {}});
    }
    // The instance, in a runtime folder of its own.
    std::vector<std::string> instanceEnv = env;
    const std::string instanceRuntime = std::string(home) + "/instance-runtime";
    mkdir(instanceRuntime.c_str(), 0700);
    instanceEnv.back() = "XDG_RUNTIME_DIR=" + instanceRuntime;
    const pid_t instance = SpawnQuiet({huemark, "--background"}, instanceEnv);
    usleep(1500000);
    const double instanceMiB = ResidentMiB(instance);
    auto fakeKeys = std::make_unique<FakeKeys>(display);
    FakeKeys& keys = *fakeKeys;
    Program shortcut{"instance shortcut", {}, false, {}, {}};
    shortcut.shortcut = true;
    Program through{"--pick, instance", {huemark, "--pick", "--no-copy"}, false, {}, {}};
    through.throughInstance = true;
    programs.push_back(shortcut);
    programs.push_back(through);
    const auto probe = [&] {
        xcb_get_image_reply_t* r = xcb_get_image_reply(
            conn,
            xcb_get_image(conn, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, probeX, probeY, 1, 1, ~0u),
            nullptr);
        bool band = false;
        if (r != nullptr) {
            uint32_t pixel = 0;
            std::memcpy(&pixel, xcb_get_image_data(r), 4);
            band = (pixel & 0xFFFFFF) == 0x202020;
            std::free(r);
        }
        return band;
    };
    for (int run = 0; run < runs; ++run) {
        for (Program& p : programs) {
            xcb_warp_pointer(conn, XCB_NONE, screen->root, 0, 0, 0, 0, pointerX, pointerY);
            xcb_flush(conn);
            while (xcb_generic_event_t* e = xcb_poll_for_event(conn)) {
                std::free(e);
            }
            const auto start = Clock::now();
            pid_t pid = 0;
            if (p.shortcut) {
                keys.chord({XK_Super_L, XK_Shift_L, XK_c});
            } else {
                pid = SpawnQuiet(p.argv, p.throughInstance ? instanceEnv : env);
            }
            bool shown = false;
            while (!shown && Clock::now() - start < std::chrono::seconds(20)) {
                if (p.byMap) {
                    while (xcb_generic_event_t* e = xcb_poll_for_event(conn)) {
                        shown = shown || (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                        std::free(e);
                    }
                    pollfd fd{xcb_get_file_descriptor(conn), POLLIN, 0};
                    poll(&fd, 1, 1);
                } else {
                    shown = probe();
                    if (!shown) {
                        usleep(300);
                    }
                }
            }
            if (!shown) {
                if (pid > 0) {
                    kill(pid, SIGKILL);
                }
                kill(instance, SIGKILL);
                die(p.label + " showed nothing");
            }
            p.millis.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (p.shortcut || p.throughInstance) {
                // The instance's gesture ends as the user ends it.
                p.residentMiB.push_back(ResidentMiB(instance));
                keys.chord({XK_Escape});
                if (pid > 0) {
                    int status = 0;
                    waitpid(pid, &status, 0);
                }
                while (probe()) {
                    usleep(1000);
                }
            } else {
                p.residentMiB.push_back(ResidentMiB(pid));
                StopProgram(pid);
            }
            usleep(100000);
        }
    }
    const double captured =
        double(screen->width_in_pixels) * screen->height_in_pixels * 4 / (1024.0 * 1024.0);
    std::printf("screen %dx%d (%.1f MiB of pixels), %d interleaved runs\n", screen->width_in_pixels,
                screen->height_in_pixels, captured, runs);
    std::printf("%-16s %10s %10s\n", "program", "median ms", "RSS MiB");
    for (const Program& p : programs) {
        std::printf("%-16s %10.1f %10.1f\n", p.label.c_str(), Median(p.millis),
                    Median(p.residentMiB));
    }
    if (gpick) {
        std::printf("huemark frozen / gpick mapped: %.2fx\n",
                    Median(programs[3].millis) / Median(programs[4].millis));
        std::printf("huemark loupe drawn / gpick mapped: %.2fx\n",
                    Median(programs[1].millis) / Median(programs[4].millis));
    }
    const double gpickMs = gpick ? Median(programs[4].millis) : 0;
    const Program& key = programs[programs.size() - 2];
    const Program& asked = programs[programs.size() - 1];
    if (gpick) {
        std::printf("instance shortcut -> loupe drawn / gpick mapped: %.2fx (goal <= 0.25)\n",
                    Median(key.millis) / gpickMs);
        std::printf("huemark --pick through the instance / gpick mapped: %.2fx (goal <= 0.5)\n",
                    Median(asked.millis) / gpickMs);
        std::printf("huemark --pick alone / gpick mapped: %.2fx (goal <= 1.0)\n",
                    Median(programs[1].millis) / gpickMs);
    }
    std::printf("instance idle RSS %.1f MiB; bare windows' RSS %.1f MiB: %.2fx\n", instanceMiB,
                Median(programs[2].residentMiB), instanceMiB / Median(programs[2].residentMiB));
    if (idleSeconds > 0) {
        usleep(500000);
        const CpuUse before = CpuOf(instance);
        sleep(unsigned(idleSeconds));
        const CpuUse after = CpuOf(instance);
        std::printf("instance idle for %d s: %lld clock ticks of CPU, %lld context switches; "
                    "RSS after its picks %.1f MiB\n",
                    idleSeconds, after.ticks - before.ticks, after.switches - before.switches,
                    ResidentMiB(instance));
    }
    kill(instance, SIGTERM);
    waitpid(instance, nullptr, 0);
    std::printf("huemark / Qt grab floor: %.2fx\n",
                Median(programs[1].millis) / Median(programs[0].millis));
    std::printf("huemark RSS / (captured pixels + bare windows' RSS): %.2f\n",
                Median(programs[1].residentMiB) / (captured + Median(programs[2].residentMiB)));
    xcb_disconnect(conn);
    fakeKeys.reset(); // before its server goes: Xlib ends the process on a lost connection
    kill(bus, SIGTERM);
    waitpid(bus, nullptr, 0);
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    return std::system((std::string("rm -rf ") + home).c_str()) == 0 ? 0 : 1;
}
