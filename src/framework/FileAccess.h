// Whole-file reads and crash-safe, verified writes of database files.
#pragma once

#include "Database.h"
#include "FileMedium.h"
#include "SdxFile.h"

#include <QSet>
#include <QString>

// Reads the file at path into the database. With needWrite the file must also
// be writable, since the editor saves back over the file it opened.
LoadResult LoadDatabaseFile(Database& db, const QString& path, bool needWrite);

enum class FileSaveResult { Ok, CannotWrite, TooLarge, CompressFailed };

// Saves databases the way the editor trusts its files to be saved: the whole
// file is built in memory, written to a temporary file beside the target,
// flushed, read back and checked (the same bytes, and a payload that inflates
// to the image), and only then renamed over the target. Before the session's
// first save over an existing file, that file is kept as NAME.bak. On any
// failure the previous file at the target is left as it was.
class SaveSession {
public:
    explicit SaveSession(IFileMedium& medium);
    SaveSession();
    SaveSession(const SaveSession&) = delete;
    SaveSession& operator=(const SaveSession&) = delete;

    FileSaveResult Save(Database& db, const QString& path);

private:
    bool KeepBackup(const QString& path);

    DiskMedium disk;
    IFileMedium& medium;
    QSet<QString> backedUp;
};

// A save in a session of its own (one command-line run, one test file).
FileSaveResult SaveDatabaseFile(Database& db, const QString& path);
