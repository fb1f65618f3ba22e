// sdxtool: the command-line companion of the editor, for batch and scripted
// work on .sdx channel databases.
#include "CommandLine.h"

#include "FileNames.h"

int main(int argc, char** argv)
{
    // Every word keeps its bytes: a file name the locale cannot read still
    // names the same file when the command uses it.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << DecodeFileName(QByteArray(argv[i]));
    return RunCommandLine(words);
}
