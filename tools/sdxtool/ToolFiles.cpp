#include "ToolFiles.h"

#include "FileAccess.h"
#include "FileNames.h"
#include "ToolCommand.h"

#include <cstdio>

namespace {

// Prints that path cannot be opened or written (verb) and why.
int ReportCannot(const char* verb, const std::string& path, const QString& reason)
{
    std::fprintf(stderr, "sdxtool: cannot %s %s: %s\n", verb, path.c_str(), EncodeFileName(reason).constData());
    return kExitCannotOpen;
}

} // namespace

QString PathArg(const std::string& arg) { return DecodeFileName(QByteArray::fromStdString(arg)); }

int ReportCannotOpen(const std::string& path, const QString& reason) { return ReportCannot("open", path, reason); }

int ReportCannotWrite(const std::string& path, const QString& reason) { return ReportCannot("write", path, reason); }

int ReportNotCorrect(const std::string& path, int line, const std::string& reason)
{
    if (line > 0)
        std::fprintf(stderr, "sdxtool: %s line %d: %s\n", path.c_str(), line, reason.c_str());
    else
        std::fprintf(stderr, "sdxtool: %s: %s\n", path.c_str(), reason.c_str());
    return kExitBadInput;
}

int LoadOrReport(Database& db, const std::string& path)
{
    QString reason;
    switch (LoadDatabaseFile(db, PathArg(path), &reason)) {
    case LoadResult::Ok: return kExitOk;
    case LoadResult::CannotOpen: return ReportCannotOpen(path, reason);
    case LoadResult::NotCorrect:
        std::fprintf(stderr, "sdxtool: %s is not a correct .sdx file\n", path.c_str());
        return kExitBadInput;
    }
    return kExitBadInput;
}

int SaveOrReport(Database& db, const std::string& path)
{
    // A one-shot run has read nothing of the target, so it asks nothing.
    SaveSession session;
    switch (session.Save(db, PathArg(path))) {
    case FileSaveResult::Ok:
        if (!session.Note().isEmpty())
            std::fprintf(stderr, "sdxtool: %s\n", EncodeFileName(session.Note()).constData());
        return kExitOk;
    case FileSaveResult::CannotWrite:
    case FileSaveResult::ChangedOutside: return ReportCannotWrite(path, session.FailureReason());
    case FileSaveResult::TooLarge:
        std::fprintf(stderr, "sdxtool: the database does not fit in a 1 MiB image; nothing written\n");
        return kExitBadInput;
    case FileSaveResult::CompressFailed:
        std::fprintf(stderr, "sdxtool: the image could not be compressed; nothing written\n");
        return kExitBadInput;
    }
    return kExitBadInput;
}
