// Files and folders that must not outlive the process, however it ends:
// a kill (SIGKILL included) or Ctrl+C skips every destructor, so a watcher
// process removes them once this one has gone.
#pragma once

#include <sys/types.h>

#include <string>

namespace toolbox {

class ExitCleanup {
public:
    // Starts the watcher; best made early, before the process has threads.
    // Throws ToolError when it cannot start.
    ExitCleanup();
    // Tells the watcher that the process cleaned up itself, and waits for it.
    ~ExitCleanup();
    ExitCleanup(const ExitCleanup&) = delete;
    ExitCleanup& operator=(const ExitCleanup&) = delete;

    // The file or folder (with all it holds) is removed should the process
    // end before this object does.
    void watch(const std::string& path);

private:
    int pipe_ = -1;
    pid_t watcher_ = -1;
};

}  // namespace toolbox
