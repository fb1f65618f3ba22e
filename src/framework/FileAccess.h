// Whole-file reads and crash-safe writes of database files.
#pragma once

#include "Database.h"
#include "SdxFile.h"

#include <QString>

// Reads the file at path into the database. With needWrite the file must also
// be writable, since the editor saves back over the file it opened.
LoadResult LoadDatabaseFile(Database& db, const QString& path, bool needWrite);

enum class FileSaveResult { Ok, CannotWrite, TooLarge, CompressFailed };

// Builds the whole file in memory, then replaces path atomically: the bytes go
// to a temporary file beside it, which is flushed and renamed over path. On
// any failure the previous file at path is left as it was.
FileSaveResult SaveDatabaseFile(Database& db, const QString& path);
