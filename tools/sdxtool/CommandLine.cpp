#include "CommandLine.h"

#include "FileNames.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <sstream>

namespace {

// The project version, given by the build.
constexpr char kVersion[] = EDITZARN_VERSION;
const QString kProgram = QStringLiteral("sdxtool");
const QString kHelpAll = QStringLiteral("help-all");

void PrintOverview(FILE* out)
{
    std::fprintf(out, "usage: sdxtool COMMAND [ARGS]\n\ncommands:\n");
    for (const ToolCommand& command : ToolCommands())
        std::fprintf(out, "  %-28s %s\n", command.pszUsage, command.pszHelp);
    std::fprintf(out, "\nsdxtool COMMAND --help shows one command.\n"
                      "Exit status: 0 success, 1 bad file or bad input, 2 cannot open or write a file.\n");
}

// The bytes the word was given as (main decoded them as file names).
std::string WordBytes(const QString& word) { return EncodeFileName(word).toStdString(); }

// A word that is part of the syntax rather than the value of the option
// before it: another option, a bracket or an alternative.
bool IsSyntaxWord(const std::string& word) { return word.front() == '-' || word.front() == '[' || word == "|"; }

// Splits the words after the command into the arguments its handler gets;
// prints why and returns false when they do not fit the usage line.
bool ParseCommand(const ToolCommand& command, const QStringList& words, ToolArgs& args, bool& help)
{
    const UsageSyntax syntax = ReadUsage(command.pszUsage);
    QCommandLineParser parser;
    const QCommandLineOption helpOption = parser.addHelpOption();
    for (const UsageSyntax::Option& option : syntax.options)
        parser.addOption(QCommandLineOption(QString::fromStdString(option.strName), QString(),
                                            QString::fromStdString(option.strValueName)));
    if (!parser.parse(QStringList(kProgram) + words)) {
        std::fprintf(stderr, "sdxtool %s: %s\nusage: sdxtool %s\n", command.pszName, qPrintable(parser.errorText()),
                     command.pszUsage);
        return false;
    }
    help = parser.isSet(helpOption) || parser.isSet(kHelpAll);
    if (help)
        return true;
    for (const QString& word : parser.positionalArguments())
        args.positional.push_back(WordBytes(word));
    if (int(args.size()) < syntax.iRequired || int(args.size()) > syntax.iMost) {
        std::fprintf(stderr, "usage: sdxtool %s\n", command.pszUsage);
        return false;
    }
    for (const UsageSyntax::Option& option : syntax.options) {
        const QString name = QString::fromStdString(option.strName);
        if (!parser.isSet(name))
            continue;
        const QStringList values = parser.values(name);
        if (values.size() > 1 && !option.bRepeatable) {
            std::fprintf(stderr, "sdxtool %s: --%s given more than once\n", command.pszName, option.strName.c_str());
            return false;
        }
        std::vector<std::string>& given = args.options[option.strName];
        for (const QString& value : values)
            given.push_back(WordBytes(value));
        if (given.empty())
            given.emplace_back(); // a flag
    }
    return true;
}

int RunCommand(const ToolCommand& command, const QStringList& words)
{
    ToolArgs args;
    bool help = false;
    if (!ParseCommand(command, words, args, help))
        return kExitBadInput;
    if (help) {
        std::printf("usage: sdxtool %s\n\n%s\n", command.pszUsage, command.pszHelp);
        return kExitOk;
    }
    return command.pfnRun(args);
}

} // namespace

UsageSyntax ReadUsage(const std::string& usage)
{
    std::istringstream stream(usage);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    UsageSyntax syntax;
    bool optional = false;
    for (size_t i = 1; i < words.size(); ++i) { // words[0] is the command's name
        std::string word = words[i];
        if (word.front() == '[') {
            optional = true;
            word.erase(0, 1);
        }
        bool closes = !word.empty() && word.back() == ']';
        if (closes)
            word.pop_back();
        if (word.rfind("--", 0) == 0) {
            UsageSyntax::Option option{word.substr(2), {}};
            if (!closes && i + 1 < words.size() && !IsSyntaxWord(words[i + 1])) {
                option.strValueName = words[++i];
                constexpr std::string_view kRepeat = "]...";
                option.bRepeatable = option.strValueName.ends_with(kRepeat);
                if (option.bRepeatable)
                    option.strValueName.resize(option.strValueName.size() - kRepeat.size() + 1);
                closes = option.strValueName.back() == ']';
                if (closes)
                    option.strValueName.pop_back();
            }
            syntax.options.push_back(option);
        } else if (!word.empty() && word != "|") {
            ++syntax.iMost;
            syntax.iRequired += optional ? 0 : 1;
        }
        if (closes)
            optional = false;
    }
    return syntax;
}

int RunCommandLine(const QStringList& words)
{
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QCommandLineParser parser;
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    // Everything from the command word on belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QStringList(kProgram) + words)) {
        std::fprintf(stderr, "sdxtool: %s\n\n", qPrintable(parser.errorText()));
        PrintOverview(stderr);
        return kExitBadInput;
    }
    if (parser.isSet(versionOption))
        parser.showVersion(); // prints "sdxtool VERSION" and exits with 0
    if (parser.isSet(helpOption) || parser.isSet(kHelpAll)) {
        PrintOverview(stdout);
        return kExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        PrintOverview(stderr);
        return kExitBadInput;
    }
    for (const ToolCommand& command : ToolCommands())
        if (positional[0] == QLatin1String(command.pszName))
            return RunCommand(command, positional.mid(1));
    std::fprintf(stderr, "sdxtool: unknown command %s\n\n", qPrintable(positional[0]));
    PrintOverview(stderr);
    return kExitBadInput;
}
