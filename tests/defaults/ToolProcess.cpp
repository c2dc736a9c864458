// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ToolProcess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<char *> pointers(std::vector<std::string> &strings) {
    std::vector<char *> result;
    for (std::string &s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

struct Launch {
    std::vector<std::string> argv;
    std::vector<std::string> env;
    long maxFileBytes = 0;
};

// Between fork and exec only async-signal-safe calls, so everything is prepared beforehand.
pid_t spawn(Launch launch, int outFd, int errFd) {
    std::vector<char *> argp = pointers(launch.argv), envpp = pointers(launch.env);
    const rlimit limit{rlim_t(launch.maxFileBytes), rlim_t(launch.maxFileBytes)};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        if (launch.maxFileBytes > 0) {
            // Writes past the limit then fail with EFBIG instead of killing the tool.
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execve(argp[0], argp.data(), envpp.data());
        ::_exit(127);
    }
    return child;
}

std::string drain(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(got));
    ::close(fd);
    return text;
}

std::vector<std::string> toolArgv(const std::vector<std::string> &args) {
    std::vector<std::string> argv{toolPath()};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

ToolRun collect(Launch launch) {
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        return {};
    const pid_t child = spawn(std::move(launch), out[1], err[1]);
    ::close(out[1]);
    ::close(err[1]);
    ToolRun run;
    // The outputs are small; stderr is read after stdout without risk of a full pipe.
    run.out = drain(out[0]);
    run.err = drain(err[0]);
    run.status = waitFor(child);
    return run;
}

} // namespace

std::string toolPath() {
    return VANTEL_DEFAULTS_TOOL;
}

PrivateStore::PrivateStore() {
    char pattern[] = "/tmp/vantel-defaults-test-XXXXXX";
    home_ = ::mkdtemp(pattern);
}

PrivateStore::~PrivateStore() {
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

std::vector<std::string> PrivateStore::environment() const {
    std::vector<std::string> env{"HOME=" + home_, "XDG_CONFIG_HOME=" + configHome(),
                                 "PATH=/usr/bin:/bin"};
    // Sanitiser settings must reach the tool when the suite runs under ASan.
    for (const char *name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"})
        if (const char *value = std::getenv(name))
            env.push_back(std::string(name) + "=" + value);
    return env;
}

ToolRun runTool(const PrivateStore &store, const std::vector<std::string> &args,
                long maxFileBytes) {
    return collect(Launch{toolArgv(args), store.environment(), maxFileBytes});
}

ToolRun runProgram(const PrivateStore &store, std::vector<std::string> argv,
                   std::vector<std::string> extraEnvironment) {
    std::vector<std::string> env = std::move(extraEnvironment);
    for (std::string &entry : store.environment())
        env.push_back(std::move(entry));
    return collect(Launch{std::move(argv), std::move(env)});
}

pid_t startTool(const PrivateStore &store, const std::vector<std::string> &args) {
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t child = spawn(Launch{toolArgv(args), store.environment()}, null, null);
    ::close(null);
    return child;
}

int waitFor(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string fileBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string &path, const std::string &bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}
