// sdxtool: the command-line companion of the editor, for batch and scripted
// work on .sdx channel databases.
#include "CommandLine.h"

int main(int argc, char** argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    return RunCommandLine(words);
}
