#include "tools/toolbox/exit_cleanup.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <vector>

#include "tools/toolbox/tool_error.h"

namespace toolbox {

namespace {

// Ends a message that says every watched path is gone already.
constexpr char kReleased = '\0';

// The watcher: paths a line each on its standard input; at the end of the
// input (the process ended) without kReleased, each path is removed.
[[noreturn]] void watchUntilTheEnd() {
    // Ctrl+C and a hang-up reach the whole process group: the watcher stays.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE})
        std::signal(signal, SIG_IGN);
    std::string received;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0) {
            received.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        break;
    }
    if (received.find(kReleased) == std::string::npos) {
        std::size_t start = 0;
        for (std::size_t end; (end = received.find('\n', start)) != std::string::npos;
             start = end + 1) {
            std::error_code ignored;
            std::filesystem::remove_all(received.substr(start, end - start), ignored);
        }
    }
    _exit(0);
}

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

ExitCleanup::ExitCleanup() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw ToolError(std::string("cannot watch the temporary files: ") + std::strerror(errno));
    watcher_ = fork();
    if (watcher_ < 0) {
        const int error = errno;
        close(ends[0]);
        close(ends[1]);
        throw ToolError(std::string("cannot watch the temporary files: ") + std::strerror(error));
    }
    if (watcher_ == 0) {
        // Only the pipe: a pipe of the caller's (its output read by another
        // program) must end when the process does, not when the watcher does.
        dup2(ends[0], STDIN_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close_range(3, ~0U, 0);
        watchUntilTheEnd();
    }
    close(ends[0]);
    pipe_ = ends[1];
}

ExitCleanup::~ExitCleanup() {
    writeAll(pipe_, std::string(1, kReleased));
    close(pipe_);
    int status = 0;
    while (waitpid(watcher_, &status, 0) < 0 && errno == EINTR) {
    }
}

void ExitCleanup::watch(const std::string& path) {
    writeAll(pipe_, std::filesystem::absolute(path).string() + "\n");
}

}  // namespace toolbox
