// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Faults of the disk as SQLite meets them at the end of a commit: a file system layer in
// front of SQLite's own that, while armed, fails the removal of a journal or ends the
// process right after it. Installed as the default for every connection of the process.

#include <sqlite3.h>

#include <string_view>
#include <unistd.h>

namespace sqlitefaults {

enum class JournalDelete {
    Normal,
    DeleteThenFail,      // the journal is gone (the commit is in the file), SQLite hears an error
    FailWithoutDelete,   // the journal stays (the commit is not done), SQLite hears an error
    DeleteThenExit,      // the process dies right after the journal is gone
};

inline JournalDelete& mode()
{
    static JournalDelete m = JournalDelete::Normal;
    return m;
}

inline sqlite3_vfs*& original()
{
    static sqlite3_vfs* vfs = nullptr;
    return vfs;
}

inline int deleteEntry(sqlite3_vfs*, const char* name, int syncFolder)
{
    const bool journal = name && std::string_view(name).ends_with("-journal");
    const JournalDelete m = journal ? mode() : JournalDelete::Normal;
    if (m == JournalDelete::FailWithoutDelete)
        return SQLITE_IOERR_DELETE;
    const int rc = original()->xDelete(original(), name, syncFolder);
    if (m == JournalDelete::DeleteThenExit)
        ::_exit(9);
    return m == JournalDelete::DeleteThenFail ? SQLITE_IOERR_DELETE : rc;
}

inline void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    original() = sqlite3_vfs_find(nullptr);
    static sqlite3_vfs shim = *original();
    shim.zName = "zuv-faults";
    shim.xDelete = deleteEntry;
    sqlite3_vfs_register(&shim, 1);
}

// Arms the layer for one scope.
class Armed {
public:
    explicit Armed(JournalDelete m)
    {
        install();
        mode() = m;
    }
    ~Armed() { mode() = JournalDelete::Normal; }
    Armed(const Armed&) = delete;
    Armed& operator=(const Armed&) = delete;
};

} // namespace sqlitefaults
