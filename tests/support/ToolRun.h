// Runs the built sdxtool as a user would, for tests registered with
// use_sdxtool() in their CMakeLists (which defines SDXTOOL_PATH).
#pragma once

#include "FileNames.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <unistd.h>
#include <vector>

struct ToolRun {
    int exitCode; // -1 when the program did not end normally or in time
    QByteArray out;
    QByteArray err;
};

// The words are handed over as the bytes given, as a shell passes them,
// whatever the locale makes of them. A run that takes longer than
// timeoutMs is killed.
inline ToolRun RunToolBytes(const QList<QByteArray>& words, int timeoutMs = 120000)
{
    QList<QByteArray> argv{QByteArrayLiteral(SDXTOOL_PATH)};
    argv += words;
    std::vector<char*> pointers;
    for (QByteArray& word : argv)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    QProcess process;
    // QProcess would convert the words through the locale; the child
    // replaces itself with the tool and the exact bytes instead.
    process.setChildProcessModifier([&pointers] {
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    });
    process.start(QStringLiteral(SDXTOOL_PATH), {});
    const bool finished = process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    const int exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}

inline ToolRun RunTool(const QStringList& args)
{
    QList<QByteArray> words;
    for (const QString& arg : args)
        words << EncodeFileName(arg);
    return RunToolBytes(words);
}
