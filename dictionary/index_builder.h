// Adds a large dictionary's missing indexes on a connection and a thread of
// its own: creating them over a million pairs takes seconds, during which
// the keyboard must go on typing. Meanwhile the keyboard's connection reads
// as before (the write-ahead log lets it), only without the new indexes, and
// keeps what it learns until the build has ended and freed the file.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "dictionary/SqliteDatabase.h"

class IndexBuilder {
public:
    IndexBuilder() = default;
    ~IndexBuilder() { stop(); }
    IndexBuilder(const IndexBuilder&) = delete;
    IndexBuilder& operator=(const IndexBuilder&) = delete;

    // Starts building the indexes of the file at `sqlitePath`; one build at a time.
    void start(const std::string& sqlitePath);
    // True while the build runs; once it has ended, false, the thread joined.
    bool running();
    // Interrupts a build still running and waits for its thread; the indexes
    // it had not finished are built at the next open.
    void stop();
    // Seconds the last finished build took, 0 when it failed or none ran.
    double lastSeconds() const { return seconds_; }

private:
    void build(std::string sqlitePath);

    std::thread thread_;
    std::atomic<bool> done_{false};
    std::atomic<bool> stopping_{false};
    std::mutex connectionMutex_;  // guards the interrupt against the open and close
    SqliteDatabase* connection_ = nullptr;
    double seconds_ = 0;
};
