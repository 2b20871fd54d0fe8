#include "tools/toolbox/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/toolbox/tool_error.h"

extern char** environ;

namespace toolbox {

namespace {

// Both ends of a pipe, closed when it goes.
struct Pipe {
    int ends[2] = {-1, -1};
    Pipe() {
        if (pipe2(ends, O_CLOEXEC) != 0)
            throw ToolError(std::string("pipe: ") + std::strerror(errno));
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    void closeEnd(int end) {
        if (ends[end] >= 0) close(ends[end]);
        ends[end] = -1;
    }
};

// Reads both pipes until the program closes them; reading one to its end
// first could leave the program blocked on the other.
void gather(Pipe& out, Pipe& err, ProgramRun& run) {
    pollfd fds[2] = {{out.ends[0], POLLIN, 0}, {err.ends[0], POLLIN, 0}};
    std::string* texts[2] = {&run.out, &run.err};
    int open = 2;
    char buffer[4096];
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                texts[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& argv) {
    if (argv.empty()) throw ToolError("no program to run");
    Pipe out;
    Pipe err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.ends[1], STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, argv[0].c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw ToolError("cannot run " + argv[0] + ": " + std::strerror(spawned));
    out.closeEnd(1);
    err.closeEnd(1);
    ProgramRun run;
    gather(out, err, run);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace toolbox
