#include "bench/sync_counter.h"

#include <sqlite3.h>

#include <cstring>
#include <stdexcept>

namespace bench {

namespace {

// Per thread: a key waits only for its own thread's syncs, not for those of
// the keyboard's background index build.
thread_local std::uint64_t syncs = 0;
sqlite3_vfs* inner = nullptr;
sqlite3_vfs counting;
sqlite3_io_methods countingMethods;
const sqlite3_io_methods* innerMethods = nullptr;

// The counting file: the inner file's memory follows the outer header.
struct CountingFile {
    sqlite3_file base;
    sqlite3_file* innerFile() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

CountingFile* outer(sqlite3_file* file) { return reinterpret_cast<CountingFile*>(file); }

int countSync(sqlite3_file* file, int flags) {
    ++syncs;
    sqlite3_file* wrapped = outer(file)->innerFile();
    return wrapped->pMethods->xSync(wrapped, flags);
}

int openCounting(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags,
                 int* outFlags) {
    sqlite3_file* wrapped = outer(file)->innerFile();
    const int code = inner->xOpen(inner, name, wrapped, flags, outFlags);
    if (wrapped->pMethods == nullptr) {
        file->pMethods = nullptr;
        return code;
    }
    // Every file of the inner layer shares one table of methods; the copy
    // passes each call through, the sync counted.
    if (innerMethods == nullptr || innerMethods != wrapped->pMethods) {
        innerMethods = wrapped->pMethods;
        countingMethods = *innerMethods;
        countingMethods.xClose = [](sqlite3_file* f) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xClose(w);
        };
        countingMethods.xRead = [](sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xRead(w, b, n, o);
        };
        countingMethods.xWrite = [](sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xWrite(w, b, n, o);
        };
        countingMethods.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xTruncate(w, size);
        };
        countingMethods.xSync = countSync;
        countingMethods.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xFileSize(w, size);
        };
        countingMethods.xLock = [](sqlite3_file* f, int level) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xLock(w, level);
        };
        countingMethods.xUnlock = [](sqlite3_file* f, int level) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xUnlock(w, level);
        };
        countingMethods.xCheckReservedLock = [](sqlite3_file* f, int* out) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xCheckReservedLock(w, out);
        };
        countingMethods.xFileControl = [](sqlite3_file* f, int op, void* arg) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xFileControl(w, op, arg);
        };
        countingMethods.xSectorSize = [](sqlite3_file* f) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xSectorSize(w);
        };
        countingMethods.xDeviceCharacteristics = [](sqlite3_file* f) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xDeviceCharacteristics(w);
        };
        countingMethods.xShmMap = [](sqlite3_file* f, int page, int size, int extend,
                                     void volatile** out) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xShmMap(w, page, size, extend, out);
        };
        countingMethods.xShmLock = [](sqlite3_file* f, int offset, int n, int flags) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xShmLock(w, offset, n, flags);
        };
        countingMethods.xShmBarrier = [](sqlite3_file* f) {
            sqlite3_file* w = outer(f)->innerFile();
            w->pMethods->xShmBarrier(w);
        };
        countingMethods.xShmUnmap = [](sqlite3_file* f, int deleteFlag) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xShmUnmap(w, deleteFlag);
        };
        countingMethods.xFetch = [](sqlite3_file* f, sqlite3_int64 o, int n, void** p) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xFetch(w, o, n, p);
        };
        countingMethods.xUnfetch = [](sqlite3_file* f, sqlite3_int64 o, void* p) {
            sqlite3_file* w = outer(f)->innerFile();
            return w->pMethods->xUnfetch(w, o, p);
        };
    }
    file->pMethods = &countingMethods;
    return code;
}

}  // namespace

void CountSyncs() {
    if (inner != nullptr) return;
    inner = sqlite3_vfs_find(nullptr);
    if (inner == nullptr) throw std::runtime_error("SQLite has no file system layer");
    counting = *inner;
    counting.zName = "counting-syncs";
    counting.szOsFile = static_cast<int>(sizeof(CountingFile)) + inner->szOsFile;
    counting.xOpen = openCounting;
    if (sqlite3_vfs_register(&counting, 1) != SQLITE_OK)
        throw std::runtime_error("SQLite refused the counting layer");
}

std::uint64_t SyncsSoFar() { return syncs; }

}  // namespace bench
