// The command line of sdxtool read with QCommandLineParser: the program's own
// options and the command word, then the command's options and arguments as
// its usage line declares them.
#pragma once

#include "ToolCommand.h"

#include <QStringList>

#include <string>
#include <vector>

// What a usage line declares: the options with their value names (empty for
// a flag) and how many file or value words it takes.
struct UsageSyntax {
    struct Option {
        std::string strName;      // without the dashes
        std::string strValueName; // empty for a flag
        bool bRepeatable = false;
    };
    std::vector<Option> options;
    int iRequired = 0;
    int iMost = 0;
};
UsageSyntax ReadUsage(const std::string& usage);

// Runs the command the words name (the program's arguments after its own
// name) and returns the exit status.
int RunCommandLine(const QStringList& words);
