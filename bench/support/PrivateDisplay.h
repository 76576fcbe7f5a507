#pragma once
// For the benchmarks that time windows on a private X server: starting the server, and the
// median of the runs.

#include <algorithm>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

// Starts Xvfb at 96 DPI with the given screen ("1920x1080x24") and further options, on a display
// number of its own choosing, which it writes once it accepts connections. Returns ":N", or an
// empty string when it did not start; server is its process, to be ended with SIGTERM.
inline std::string StartPrivateXvfb(const std::string& screen,
                                    const std::vector<std::string>& options, pid_t* server) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    std::vector<std::string> args = {"Xvfb",    "-displayfd", std::to_string(fds[1]),
                                     "-screen", "0",          screen,
                                     "-dpi",    "96",         "-nolisten",
                                     "tcp",     "-noreset"};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    *server = fork();
    if (*server == 0) {
        close(fds[0]);
        execvp("Xvfb", argv.data());
        _exit(127);
    }
    close(fds[1]);
    // It writes the number and the newline separately: read up to the newline.
    std::string number;
    char c = 0;
    while (*server > 0 && number.size() < 16 && read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    return number.empty() ? std::string() : ":" + number;
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}
