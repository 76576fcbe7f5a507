// The first look at a large photo: from exec to the first frame on the screen that shows the
// picture's pixels, for `huemark photo.jpg`, side by side with feh and eog opening the same file
// (each to its first frame showing the picture) and the format's own decoder decoding the whole
// file (djpeg; pngtopam, dwebp, heif-convert for the others); interleaved runs on a private
// Xvfb, medians.
//
//   bench_firstlook --huemark build/huemark [--runs 10] [--width 6000 --height 4000]
//                   [--kind baseline|p3|progressive|png|heic]   (the photo made: a baseline
//                                       JPEG, one with a Display P3 profile, a progressive JPEG,
//                                       a PNG, a HEIC with a phone's thumbnail of 320 across)
//                   [--photo FILE]   (a picture of your own instead of the one made here)
//
// An X client watches the screen's pixels: a frame shows the picture once enough pixels along a
// few rows across the screen have the photo's saturated colours (no window chrome has so many).

#include "support/PrivateDisplay.h"
#include "support/Processes.h"
#include <xcb/damage.h>

#include <xcb/xcb.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1200;
constexpr int kRows = 8;            // rows of the screen watched
constexpr int kEnoughPixels = 2000; // saturated pixels along them that make a picture

[[noreturn]] void die(const std::string& what) {
    std::fprintf(stderr, "bench_firstlook: %s\n", what.c_str());
    std::exit(1);
}

// The ICC profile segment (APP2) of a JPEG, whole, or nothing.
QByteArray ProfileSegment(const QByteArray& jpeg) {
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        const auto marker = uchar(jpeg[at + 1]);
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        if (uchar(jpeg[at]) != 0xFF || marker == 0xDA) {
            break;
        }
        if (marker == 0xE2 && jpeg.mid(at + 4, 11) == "ICC_PROFILE") {
            return jpeg.mid(at, length + 2);
        }
        at += length + 2;
    }
    return QByteArray();
}

// A photo of saturated colours everywhere: hues sweeping across it, with noise, so that it
// compresses as a photo does.
bool writePhoto(const std::string& path, int width, int height, const std::string& kind) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(5);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int hue = (x * 300 / width + y * 60 / height) % 360;
            const QColor c = QColor::fromHsv(hue, 255, 230);
            const int n = int(rng.bounded(17)) - 8;
            line[x] = qRgb(qBound(0, c.red() + n, 255), qBound(0, c.green() + n, 255),
                           qBound(0, c.blue() + n, 255));
        }
    }
    if (kind == "png") {
        QImageWriter writer(QString::fromStdString(path), "png");
        writer.setCompression(6);
        return writer.write(image);
    }
    if (kind == "heic" || kind == "webp") {
        const std::string png = path + ".png";
        QImageWriter writer(QString::fromStdString(png), "png");
        writer.setCompression(1);
        const std::string encode =
            kind == "heic" ? "heif-enc -q 80 -t 320 -o '" + path + "' '" + png + "' >/dev/null"
                           : "cwebp -quiet -q 90 '" + png + "' -o '" + path + "'";
        return writer.write(image) && std::system(encode.c_str()) == 0 &&
               std::remove(png.c_str()) == 0;
    }
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(kind == "progressive");
        if (!writer.write(image)) {
            return false;
        }
    }
    if (kind == "p3") {
        // The profile a phone writes, right after the start of the file.
        QFile camera(QStringLiteral(HUEMARK_SOURCE_DIR "/tests/data/modern/jpeg-p3.jpg"));
        const QByteArray segment =
            camera.open(QIODevice::ReadOnly) ? ProfileSegment(camera.readAll()) : QByteArray();
        if (segment.isEmpty()) {
            return false;
        }
        jpeg.insert(2, segment);
    }
    QFile out(QString::fromStdString(path));
    return out.open(QIODevice::WriteOnly) && out.write(jpeg) == jpeg.size();
}

// Whether the screen shows the picture now.
bool showsPicture(xcb_connection_t* conn, xcb_window_t root) {
    int saturated = 0;
    for (int i = 0; i < kRows; ++i) {
        const int y = (2 * i + 1) * kScreenHeight / (2 * kRows);
        xcb_get_image_reply_t* reply =
            xcb_get_image_reply(conn,
                                xcb_get_image(conn, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, int16_t(y),
                                              kScreenWidth, 1, ~0u),
                                nullptr);
        if (reply == nullptr) {
            continue;
        }
        const uint8_t* p = xcb_get_image_data(reply);
        const int length = xcb_get_image_data_length(reply);
        for (int x = 0; x + 3 < length; x += 4) {
            const int hi = std::max({p[x], p[x + 1], p[x + 2]});
            const int lo = std::min({p[x], p[x + 1], p[x + 2]});
            saturated += hi - lo >= 96;
        }
        std::free(reply);
    }
    return saturated >= kEnoughPixels;
}

// Damage on the root window: drawing anywhere on the screen wakes the watcher.
class DrawingWatcher {
public:
    DrawingWatcher(xcb_connection_t* conn, xcb_window_t root) : m_conn(conn) {
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(conn, &xcb_damage_id);
        if (ext == nullptr || !ext->present) {
            die("the X server has no DAMAGE extension");
        }
        std::free(
            xcb_damage_query_version_reply(conn, xcb_damage_query_version(conn, 1, 1), nullptr));
        m_damage = xcb_generate_id(conn);
        xcb_damage_create(conn, m_damage, root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(conn);
    }
    // Returns once something has been drawn since the last call, or after ms. An event that
    // arrived while the screen was being read already waits in the connection's queue, where
    // polling its socket would not see it.
    void waitForDrawing(int ms) {
        if (xcb_generic_event_t* queued = xcb_poll_for_event(m_conn)) {
            std::free(queued);
        } else {
            pollfd fd{xcb_get_file_descriptor(m_conn), POLLIN, 0};
            poll(&fd, 1, ms);
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_conn)) {
            std::free(event);
        }
        xcb_damage_subtract(m_conn, m_damage, XCB_NONE, XCB_NONE);
        xcb_flush(m_conn);
    }

private:
    xcb_connection_t* m_conn;
    xcb_damage_damage_t m_damage = 0;
};

struct Program {
    std::string label;
    std::vector<std::string> argv;
    bool windowed = true;
    std::vector<double> millis;
};
} // namespace

int main(int argc, char** argv) {
    std::string huemark;
    int runs = 10;
    int width = 6000;
    int height = 4000;
    std::string given;
    std::string kind = "baseline";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--huemark" && i + 1 < argc) {
            huemark = argv[++i];
        } else if (a == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (a == "--width" && i + 1 < argc) {
            width = std::atoi(argv[++i]);
        } else if (a == "--height" && i + 1 < argc) {
            height = std::atoi(argv[++i]);
        } else if (a == "--kind" && i + 1 < argc) {
            kind = argv[++i];
        } else if (a == "--photo" && i + 1 < argc) {
            given = argv[++i];
        }
    }
    if (huemark.empty()) {
        die("usage: bench_firstlook --huemark PATH [--runs N] [--width W --height H]");
    }

    char home[] = "/tmp/huemark-bench-firstlook-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        die("mkdtemp failed");
    }
    const bool png = kind == "png";
    const bool heic = kind == "heic";
    const bool webp = kind == "webp";
    const std::string suffix = png    ? "/photo.png"
                               : heic ? "/photo.heic"
                               : webp ? "/photo.webp"
                                      : "/photo.jpg";
    const std::string photo = given.empty() ? std::string(home) + suffix : given;
    if (given.empty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        if (!writePhoto(photo, width, height, kind)) {
            die("cannot write the photo");
        }
    }
    // Huemark's window nearly as large as the screen, as a user opening a photo has it.
    const std::string config = std::string(home) + "/.config/Huemark";
    if (std::system(("mkdir -p " + config).c_str()) != 0) {
        die("mkdir failed");
    }
    if (FILE* f = std::fopen((config + "/Huemark.ini").c_str(), "w")) {
        std::fprintf(f, "[Settings]\nLeft=0\nTop=0\nWidth=%d\nHeight=%d\n",
                     (kScreenWidth - 20) * 15, (kScreenHeight - 20) * 15);
        std::fclose(f);
    }

    // A private X server (it writes its display number once it accepts connections) and a
    // session bus for the desktop viewer.
    pid_t xvfb = 0;
    const std::string display = StartPrivateXvfb(
        std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24", {"-br"}, &xvfb);
    if (display.empty()) {
        die("Xvfb did not start");
    }
    std::string bus;
    pid_t busPid = 0;
    if (FILE* p = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r")) {
        char line[512];
        if (std::fgets(line, sizeof line, p) != nullptr) {
            bus = line;
            bus.erase(bus.find_last_not_of("\n") + 1);
        }
        if (std::fgets(line, sizeof line, p) != nullptr) {
            busPid = pid_t(std::atoi(line));
        }
        pclose(p);
    }

    xcb_connection_t* conn = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(conn)) {
        die("cannot connect to Xvfb");
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
    DrawingWatcher watcher(conn, root);
    const std::vector<std::string> env = {"DISPLAY=" + display,
                                          "QT_QPA_PLATFORM=xcb",
                                          std::string("HOME=") + home,
                                          std::string("XDG_CONFIG_HOME=") + home + "/.config",
                                          std::string("XDG_RUNTIME_DIR=") + home,
                                          "DBUS_SESSION_BUS_ADDRESS=" + bus,
                                          "GSETTINGS_BACKEND=memory",
                                          "NO_AT_BRIDGE=1"};

    // eog has no HEIF loader here; heif-convert writes its rawest output.
    std::vector<Program> programs = {{"huemark", {huemark, photo}, true, {}},
                                     {"feh", {"feh", photo}, true, {}}};
    if (!heic) {
        programs.push_back({"eog", {"eog", photo}, true, {}});
    }
    programs.push_back(
        png    ? Program{"pngtopam", {"pngtopam", photo}, false, {}}
        : webp ? Program{"dwebp", {"dwebp", photo, "-ppm", "-o", "/dev/null"}, false, {}}
        : heic ? Program{"heif-convert",
                         {"heif-convert", photo, std::string(home) + "/raw.y4m"},
                         false,
                         {}}
               : Program{"djpeg", {"djpeg", "-outfile", "/dev/null", photo}, false, {}});
    const Program& reference = programs.back();
    for (int run = 0; run < runs; ++run) {
        for (Program& p : programs) {
            if (p.windowed && showsPicture(conn, root)) {
                die("the screen still shows a picture before " + p.label);
            }
            const auto start = Clock::now();
            const pid_t pid = SpawnQuiet(p.argv, env);
            if (p.windowed) {
                const auto deadline = start + std::chrono::seconds(60);
                // The screen is looked at when something has been drawn on it: watching without
                // a pause would take a core from the program watched, on a machine of two.
                while (!showsPicture(conn, root)) {
                    if (Clock::now() > deadline) {
                        kill(pid, SIGKILL);
                        die("no picture shown by " + p.label);
                    }
                    watcher.waitForDrawing(50);
                }
                p.millis.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                StopProgram(pid);
                // Until its window has gone from the screen.
                while (showsPicture(conn, root)) {
                    usleep(1000);
                }
            } else {
                int status = 0;
                waitpid(pid, &status, 0);
                p.millis.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                    die(p.label + " failed");
                }
            }
        }
    }

    std::printf("%s, %d interleaved runs; exec to the first frame showing the picture "
                "(%s: to the end of its decoding)\n",
                given.empty()
                    ? (std::to_string(width) + "x" + std::to_string(height) + " " + kind).c_str()
                    : given.c_str(),
                runs, reference.label.c_str());
    double viewers = 1e300;
    for (const Program& p : programs) {
        std::printf("%-8s median %8.1f ms\n", p.label.c_str(), Median(p.millis));
        if (p.windowed && &p != &programs[0]) {
            viewers = std::min(viewers, Median(p.millis));
        }
    }
    const double ours = Median(programs[0].millis);
    std::printf("huemark / fastest viewer: %.2fx   huemark / %s: %.2fx\n", ours / viewers,
                reference.label.c_str(), ours / Median(reference.millis));

    xcb_disconnect(conn);
    if (busPid > 0) {
        kill(busPid, SIGTERM);
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return std::system((std::string("rm -rf ") + home).c_str()) == 0 ? 0 : 1;
}
