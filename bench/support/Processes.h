#pragma once
// For the benchmarks that time other programs: starting one quietly, stopping it, and its
// resident memory.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Runs argv with the extra environment, its standard streams on /dev/null; its process, or -1
// when it could not be forked.
inline pid_t SpawnQuiet(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    const pid_t pid = fork();
    if (pid == 0) {
        for (const std::string& e : env) {
            putenv(const_cast<char*>(e.c_str()));
        }
        const int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        std::vector<char*> args;
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

// The process's resident memory (VmRSS) in MiB; 0 when it cannot be read.
inline double ResidentMiB(pid_t pid) {
    FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (f == nullptr) {
        return 0;
    }
    char line[256];
    double kib = 0;
    while (std::fgets(line, sizeof line, f) != nullptr) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kib = std::atof(line + 6);
        }
    }
    std::fclose(f);
    return kib / 1024.0;
}

// Asks the program to end and waits for it; killed after two seconds. A program that catches
// the request and ends from its event loop (feh) may not wake to see it, when it came early.
inline void StopProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 200; ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
