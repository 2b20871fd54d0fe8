#include "dictionary/journal.h"

#include <sqlite3.h>

#include "dictionary/SqliteDatabase.h"
#include "dictionary/SqliteException.h"

namespace journal {

namespace {

std::string journalMode(SqliteDatabase& database, const char* pragma) {
    SqliteQuery query = database.runQuery(pragma);
    std::string mode = query.atEnd() ? std::string() : query.textOr(0, "");
    query.finalize();
    return mode;
}

// Commits far apart grow the log only this far (in pages of 4 KiB, about
// 40 MiB) before one of them copies it into the file; the idle checkpoint
// empties it long before, so a key never waits for that copy in practice.
constexpr const char* kLogLimit = "PRAGMA wal_autocheckpoint=10000;";

// The first commit to an empty log writes the log's header and syncs it:
// done now, with a change that changes nothing, that sync is no key's.
void startLog(SqliteDatabase& database) {
    const int version = database.queryInt("PRAGMA user_version;");
    database.executeUpdate("BEGIN IMMEDIATE; PRAGMA user_version=" + std::to_string(version) +
                           "; COMMIT;");
}

}  // namespace

bool isLockFailure(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool UseWriteAheadLog(SqliteDatabase& database, bool onNetwork, std::string& why) {
    if (onNetwork) {
        why = "on a network share";
        return false;
    }
    try {
        const std::string mode = journalMode(database, "PRAGMA journal_mode=WAL;");
        if (mode != "wal") {
            why = "SQLite kept the journal mode '" + mode + "'";
            return false;
        }
        // A folder that takes no new files lets the mode change and fails the
        // first read, which needs the log's shared memory: back then.
        try {
            database.queryInt("SELECT count(*) FROM sqlite_master;");
        } catch (const SqliteException& failure) {
            if (isLockFailure(failure.code())) throw;
            why = failure.message() != nullptr ? failure.message() : "SQLite error";
            ReturnToRollbackJournal(database);
            return false;
        }
        database.executeUpdate(std::string("PRAGMA synchronous=NORMAL;") + kLogLimit);
        try {
            startLog(database);
        } catch (const SqliteException& failure) {
            // Then the first key's commit syncs the header instead.
            if (isLockFailure(failure.code())) throw;
        }
        return true;
    } catch (const SqliteException& failure) {
        if (isLockFailure(failure.code())) throw;
        why = failure.message() != nullptr ? failure.message() : "SQLite error";
        return false;
    }
}

void Checkpoint(SqliteDatabase& database) {
    if (!database.isOpen()) return;
    try {
        if (journalMode(database, "PRAGMA journal_mode;") != "wal") return;
        database.executeUpdate("PRAGMA wal_checkpoint(TRUNCATE);");
        startLog(database);
    } catch (const SqliteException&) {
        // Busy or locked: the next idle moment tries again.
        if (database.inTransaction()) {
            try {
                database.executeUpdate("ROLLBACK;");
            } catch (const SqliteException&) {
            }
        }
    }
}

void ReturnToRollbackJournal(SqliteDatabase& database) {
    if (!database.isOpen()) return;
    try {
        if (journalMode(database, "PRAGMA journal_mode;") == "wal")
            journalMode(database, "PRAGMA journal_mode=DELETE;");
    } catch (const SqliteException&) {
    }
}

}  // namespace journal
