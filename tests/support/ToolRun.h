// Runs the built sdxtool as a user would, for tests registered with
// use_sdxtool() in their CMakeLists (which defines SDXTOOL_PATH).
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int exitCode; // -1 when the program did not end normally
    QByteArray out;
    QByteArray err;
};

inline ToolRun RunTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(SDXTOOL_PATH), args);
    process.waitForFinished(120000);
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}
