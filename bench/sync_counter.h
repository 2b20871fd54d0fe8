// Counts the syncs SQLite asks of the disk (fsync and its kin), by wrapping
// the default file system layer of SQLite in one that counts them.
#pragma once

#include <cstdint>

namespace bench {

// Makes the counting layer the default for every connection opened after it.
void CountSyncs();
// Syncs this thread asked since CountSyncs.
std::uint64_t SyncsSoFar();

}  // namespace bench
