#include "ToolFiles.h"

#include "FileAccess.h"
#include "ToolCommand.h"

#include <cstdio>

QString PathArg(const std::string& arg) { return QString::fromLocal8Bit(arg.c_str()); }

int LoadOrReport(Database& db, const std::string& path)
{
    switch (LoadDatabaseFile(db, PathArg(path), false)) {
    case LoadResult::Ok: return kExitOk;
    case LoadResult::CannotOpen:
        std::fprintf(stderr, "sdxtool: cannot open %s\n", path.c_str());
        return kExitCannotOpen;
    case LoadResult::NotCorrect:
        std::fprintf(stderr, "sdxtool: %s is not a correct .sdx file\n", path.c_str());
        return kExitBadInput;
    }
    return kExitBadInput;
}

int SaveOrReport(Database& db, const std::string& path)
{
    switch (SaveDatabaseFile(db, PathArg(path))) {
    case FileSaveResult::Ok: return kExitOk;
    case FileSaveResult::CannotWrite:
        std::fprintf(stderr, "sdxtool: cannot write %s\n", path.c_str());
        return kExitCannotOpen;
    case FileSaveResult::TooLarge:
        std::fprintf(stderr, "sdxtool: the database does not fit in a 1 MiB image; nothing written\n");
        return kExitBadInput;
    case FileSaveResult::CompressFailed:
        std::fprintf(stderr, "sdxtool: the image could not be compressed; nothing written\n");
        return kExitBadInput;
    }
    return kExitBadInput;
}
