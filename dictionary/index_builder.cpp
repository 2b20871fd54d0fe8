#include "dictionary/index_builder.h"

#include <chrono>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteException.h"

void IndexBuilder::start(const std::string& sqlitePath) {
    stop();
    done_ = false;
    stopping_ = false;
    seconds_ = 0;
    thread_ = std::thread(&IndexBuilder::build, this, sqlitePath);
}

bool IndexBuilder::running() {
    if (!thread_.joinable()) return false;
    if (!done_) return true;
    thread_.join();
    return false;
}

void IndexBuilder::stop() {
    if (!thread_.joinable()) return;
    stopping_ = true;
    {
        const std::lock_guard<std::mutex> lock(connectionMutex_);
        if (connection_ != nullptr) connection_->interrupt();
    }
    thread_.join();
}

void IndexBuilder::build(std::string sqlitePath) {
    const auto begun = std::chrono::steady_clock::now();
    SqliteDatabase database;
    try {
        {
            const std::lock_guard<std::mutex> lock(connectionMutex_);
            if (!stopping_) {
                database.open(sqlitePath);
                connection_ = &database;
            }
        }
        if (connection_ != nullptr) {
            // The keyboard's own learning waits for this, never the other
            // way round: the build may wait long for a reader to let go.
            database.setBusyWait(SqliteDatabase::kDefaultBusyTimeoutMs);
            // The keyboard's idle work copies the log into the file, syncing
            // then; copied here, the log would start anew and the first
            // commit of a key would sync its header.
            database.executeUpdate("PRAGMA wal_autocheckpoint=0;");
            DictionaryStore(database).EnsureIndexes();
            seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun)
                           .count();
        }
    } catch (const SqliteException&) {
        // Interrupted, or the file would not take them: only speed depends on them.
    }
    {
        const std::lock_guard<std::mutex> lock(connectionMutex_);
        connection_ = nullptr;
        database.close();
    }
    done_ = true;
}
