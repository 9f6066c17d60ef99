#pragma once

namespace lumidex::recordlocks {

// The operating-system locks one archive cycle holds on its open file: shared to
// read, exclusive to write, over every record the file can ever hold. The locks
// live on the open file description and die with it, or with the process, so
// there is no lock file to leave behind and no clock to trust between computers.
//
// A writer that cannot lock at once first takes the *pending byte*, far beyond
// any record, and every reader touches that byte before its own lock: while a
// writer waits, new readers wait behind it, and the writer gets in as soon as the
// readers already inside are done. Without it, two programs reading back to back
// (a slideshow, a second computer browsing) would keep every save out.
//
// Programs wait in the system's queue of each byte rather than asking again and
// again, and the one waiting for the pending byte holds the byte after it (the
// entry byte), which every newcomer needs: so writers are served in turn, a save
// waits only for those ahead of it, and the wait's limit means one program kept
// the archive that long (a stuck computer), never that others kept saving.
//
// A reader in for microseconds (one card, the count) keeps the pending byte with
// its records until it closes, one system call fewer than letting it go at once:
// a writer arriving in those microseconds cannot announce itself, and does a
// moment later, at its next try. A reader of many records lets the pending byte
// go as soon as it is in, since a writer could not announce itself for as long
// as it reads.
enum class Kind { Shared, SharedBriefly, Exclusive };

enum class Outcome {
    Locked,
    // The file system cannot lock at all (some network shares): go on without.
    Unsupported,
    // Another program kept the archive past the wait.
    TimedOut,
    // Any other answer of the system; errno tells which.
    Failed,
};

// Waits up to `timeoutMs` for the lock of a cycle of the given kind. `waited`,
// when given, tells whether another program had the archive at first.
[[nodiscard]] Outcome acquire(int fd, Kind kind, int timeoutMs, bool* waited = nullptr);

// Turns the exclusive lock of a cycle into a shared one, without a moment in
// which another writer could get in.
[[nodiscard]] bool downgrade(int fd);

} // namespace lumidex::recordlocks
