// The measuring verbs on a large JPEG, from exec to exit: `huemark sample` of one point,
// `huemark stats` and `huemark palette` of the whole picture, side by side with djpeg decoding the
// whole file and ImageMagick reading one pixel; interleaved rounds, medians and their ratios.
//
//   bench_verbs [ROUNDS]   (7 unless given)
//
// The JPEG is the loading benchmarks' photo-like 6000 × 4000 picture, written baseline at quality
// 90 into a temporary folder. The programs run with no display: the verbs need none. Two more rows
// tell the stages apart: the program's start-up alone (sampling a 64 × 64 JPEG) and the whole
// decode with nothing measured (stats of one pixel).

#include "loading/PhotoPicture.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;

[[noreturn]] void die(const std::string& what) {
    std::fprintf(stderr, "bench_verbs: %s\n", what.c_str());
    std::exit(1);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

// Our environment without the display variables.
std::vector<char*> EnvironmentWithoutDisplay() {
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "WAYLAND_DISPLAY=", 16) != 0) {
            env.push_back(*e);
        }
    }
    env.push_back(nullptr);
    return env;
}

// The program's full path when it is on the PATH, or an empty string.
std::string FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate =
            (end > start ? dirs.substr(start, end - start) : std::string(".")) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

struct Program {
    std::string label;
    std::vector<std::string> argv;
    std::vector<double> millis;
};

// Runs the program to its exit with standard output to outPath and standard error to /dev/null,
// and returns the wall-clock milliseconds from the spawn to the exit; a failure ends the run.
double Run(const Program& p, const std::vector<char*>& env, const char* outPath = "/dev/null") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (const std::string& a : p.argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int failed =
        posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), const_cast<char**>(env.data()));
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        die("cannot start " + p.label);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        die(p.label + " failed");
    }
    return ms;
}

std::string FirstLine(const std::string& path) {
    std::string line;
    if (FILE* f = std::fopen(path.c_str(), "r")) {
        char buffer[256];
        if (std::fgets(buffer, sizeof buffer, f) != nullptr) {
            line = buffer;
            line.erase(line.find_last_not_of("\r\n") + 1);
        }
        std::fclose(f);
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 7;
    if (argc > 1) {
        rounds = std::atoi(argv[1]);
        if (rounds < 1) {
            die("usage: bench_verbs [ROUNDS]");
        }
    }

    char home[] = "/tmp/huemark-bench-verbs-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        die("mkdtemp failed");
    }
    const std::string photo = std::string(home) + "/photo-6000x4000.jpg";
    const std::string small = std::string(home) + "/photo-64x64.jpg";
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        const QImage picture = PhotoPicture(64);
        QImageWriter writer(QString::fromStdString(photo), "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(false);
        if (!writer.write(picture)) {
            die("cannot write the photo");
        }
        QImageWriter smallWriter(QString::fromStdString(small), "jpeg");
        smallWriter.setQuality(90);
        if (!smallWriter.write(picture.copy(0, 0, 64, 64))) {
            die("cannot write the small photo");
        }
    }
    struct stat info {};
    stat(photo.c_str(), &info);

    const std::string huemark = HUEMARK_PROGRAM;
    const std::string convert = FindOnPath("convert");
    std::vector<Program> programs = {
        {"huemark sample", {huemark, "sample", photo, "3000,2000"}, {}},
        {"djpeg", {"djpeg", "-outfile", "/dev/null", photo}, {}},
        {"convert", {convert, photo, "-format", "%[pixel:p{3000,2000}]", "info:"}, {}},
        {"huemark stats", {huemark, "stats", photo}, {}},
        {"huemark palette", {huemark, "palette", photo}, {}},
        {"start-up (64x64)", {huemark, "sample", small, "32,32"}, {}},
        {"stats of 1 px", {huemark, "stats", photo, "--rect", "0,0,1,1"}, {}}};
    if (convert.empty()) {
        std::printf("convert: not installed\n");
        programs.erase(programs.begin() + 2);
    }
    const auto find = [&](const std::string& label) -> const Program* {
        for (const Program& p : programs) {
            if (p.label == label) {
                return &p;
            }
        }
        return nullptr;
    };

    // A first round that is not counted: the file in the page cache, the libraries loaded once,
    // and the answers shown, to see that the programs read the same pixel.
    const std::vector<char*> env = EnvironmentWithoutDisplay();
    const std::string answer = std::string(home) + "/answer.txt";
    for (const Program& p : programs) {
        Run(p, env, answer.c_str());
        if (p.label != "djpeg") {
            std::printf("%-16s -> %s\n", p.label.c_str(), FirstLine(answer).c_str());
        }
    }

    for (int round = 0; round < rounds; ++round) {
        for (Program& p : programs) {
            p.millis.push_back(Run(p, env));
        }
    }

    std::printf("\n6000x4000 baseline JPEG, quality 90 (%.1f MB), %d interleaved rounds; exec to "
                "exit\n",
                double(info.st_size) / 1e6, rounds);
    for (const Program& p : programs) {
        std::printf("%-16s median %8.1f ms\n", p.label.c_str(), Median(p.millis));
    }
    const double djpeg = Median(find("djpeg")->millis);
    const double sample = Median(find("huemark sample")->millis);
    std::printf("\nsample / djpeg:   %.2fx\n", sample / djpeg);
    if (const Program* c = find("convert")) {
        std::printf("sample / convert: %.2fx\n", sample / Median(c->millis));
    }
    std::printf("stats / djpeg:    %.2fx\n", Median(find("huemark stats")->millis) / djpeg);
    std::printf("palette / djpeg:  %.2fx\n", Median(find("huemark palette")->millis) / djpeg);
    const double startup = Median(find("start-up (64x64)")->millis);
    const double decode = Median(find("stats of 1 px")->millis);
    std::printf(
        "\nstages of huemark stats: start-up %.1f ms, decode and colours %.1f ms, measuring "
        "%.1f ms\n",
        startup, decode - startup, Median(find("huemark stats")->millis) - decode);

    return std::system((std::string("rm -rf ") + home).c_str()) == 0 ? 0 : 1;
}
