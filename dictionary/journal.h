// How the keyboard's connection keeps its dictionary file safe without
// waiting for the disk on every key. While the keyboard runs, the file has a
// write-ahead log that commits without syncing (synchronous=NORMAL: a crash
// of the program loses nothing, a power failure at most the last words,
// never the file); the log is copied into the file when the keyboard is idle,
// and closing returns the file to a plain rollback journal, so that a closed
// dictionary is one file any SQLite 3 reads, copies or mails.
#pragma once

#include <string>

class SqliteDatabase;

namespace journal {

// Another connection holds the file: a failure that passes.
bool isLockFailure(int code);

// Puts the open connection in write-ahead mode. False, with the reason in
// `why`, when the file keeps its rollback journal: a network share (whose
// shared memory is not shared), a read-only file or folder. Throws only when
// another program has the file locked, which fails the open.
bool UseWriteAheadLog(SqliteDatabase& database, bool onNetwork, std::string& why);

// Copies the log into the file and empties it; nothing when the file has no
// log or another connection is reading. Never throws.
void Checkpoint(SqliteDatabase& database);

// The last step before closing: the log into the file and back to the
// rollback journal, which leaves no other file beside it. Never throws: a
// file that cannot change back (another connection still has it open) keeps
// its log, which the next open reads.
void ReturnToRollbackJournal(SqliteDatabase& database);

}  // namespace journal
