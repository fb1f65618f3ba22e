// Reference lists on disk: read from a database file or from the text form
// (a name ending in .csv), and the text form written from a database.
#pragma once

#include "ReferenceCsv.h"
#include "SdxFile.h"
#include "TrText.h"

#include <QString>

#include <optional>

// The filter of the file dialog that chooses a reference list, and of the
// one that names the text form to write.
inline constexpr TrText kFilterReference{
    "ReferenceFile",
    QT_TRANSLATE_NOOP("ReferenceFile", "Reference Lists (*.sdx *.csv)|*.sdx;*.csv|SDX Files (*.sdx)|*.sdx|"
                                       "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||")};
inline constexpr TrText kFilterReferenceCsv{
    "ReferenceFile", QT_TRANSLATE_NOOP("ReferenceFile", "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||")};

struct ReferenceLoad {
    // CannotOpen: the file cannot be read (strReason says why); NotCorrect:
    // not a correct database file, or a text form with a malformed record
    // (csvError says which; line 0 for the whole file).
    LoadResult result = LoadResult::CannotOpen;
    std::optional<ReferenceList> list;
    bool bCsv = false;
    CsvError csvError;
    QString strReason;
};

bool IsReferenceCsvPath(const QString& path);

ReferenceLoad LoadReferenceFile(const QString& path);

// Writes the text form of db to path as every output is written; an empty
// text on success, otherwise the reason (the previous file is then as it was).
QString ExportReferenceFile(const Database& db, const QString& path);
