// sdxtool: the command-line companion of the editor, for batch and scripted
// work on .sdx channel databases.
#include "ToolCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The project version, given by the build.
constexpr char kVersion[] = EDITZARN_VERSION;

void PrintOverview(FILE* out)
{
    std::fprintf(out, "usage: sdxtool COMMAND [ARGS]\n\ncommands:\n");
    for (const ToolCommand& command : ToolCommands())
        std::fprintf(out, "  %-28s %s\n", command.pszUsage, command.pszHelp);
    std::fprintf(out,
                 "\nsdxtool COMMAND --help shows one command.\n"
                 "Exit status: 0 success, 1 bad file or bad input, 2 cannot open or write a file.\n");
}

// Number of file and value arguments a usage line asks for: required words
// in capitals, optional ones in brackets. A bracketed group may hold
// alternatives separated by " | " ("[--satellite N | --fav G]"); it adds as
// many optional words as its longest alternative.
std::pair<size_t, size_t> ArgumentRange(const char* usage)
{
    size_t required = 0, optional = 0;
    size_t groupWords = 0, groupLongest = 0;
    bool inGroup = false;
    const std::string text(usage);
    size_t pos = text.find(' ');
    while (pos != std::string::npos) {
        const size_t next = text.find(' ', pos + 1);
        std::string word = text.substr(pos + 1, next == std::string::npos ? std::string::npos : next - pos - 1);
        pos = next;
        if (word.empty())
            continue;
        if (!inGroup && word.front() != '[') {
            ++required;
            continue;
        }
        if (word.front() == '[') {
            inGroup = true;
            groupWords = groupLongest = 0;
            word.erase(0, 1);
        }
        const bool closes = !word.empty() && word.back() == ']';
        if (word == "|")
            groupWords = 0;
        else if (!word.empty() && word != "]")
            groupLongest = std::max(groupLongest, ++groupWords);
        if (closes) {
            inGroup = false;
            optional += groupLongest;
        }
    }
    return {required, required + optional};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintOverview(argc < 2 ? stderr : stdout);
        return argc < 2 ? kExitBadInput : kExitOk;
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::printf("sdxtool %s\n", kVersion);
        return kExitOk;
    }
    for (const ToolCommand& command : ToolCommands()) {
        if (command.pszName != std::string(argv[1]))
            continue;
        const std::vector<std::string> args(argv + 2, argv + argc);
        if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
            std::printf("usage: sdxtool %s\n\n%s\n", command.pszUsage, command.pszHelp);
            return kExitOk;
        }
        const auto [least, most] = ArgumentRange(command.pszUsage);
        if (args.size() < least || args.size() > most) {
            std::fprintf(stderr, "usage: sdxtool %s\n", command.pszUsage);
            return kExitBadInput;
        }
        return command.pfnRun(args);
    }
    std::fprintf(stderr, "sdxtool: unknown command %s\n\n", argv[1]);
    PrintOverview(stderr);
    return kExitBadInput;
}
