// One sdxtool command: its name, one-line usage, help text and handler.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;   // not a correct file, bad arguments
inline constexpr int kExitCannotOpen = 2; // a file cannot be opened or written
inline constexpr int kExitFindings = 3;   // check --deep found something

struct Database;

// The arguments of one command as the command-line parser split them: the
// file and value words in the order given (args[0], args[1], ...) and the
// options of the usage line that were given, by name without dashes, each
// with its values in the order given.
struct ToolArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>, std::less<>> options; // a flag has one value, ""

    size_t size() const { return positional.size(); }
    const std::string& operator[](size_t i) const { return positional[i]; }
    bool IsSet(std::string_view name) const { return options.find(name) != options.end(); }
    // The value given to the option; empty when it was not given.
    std::string Value(std::string_view name) const
    {
        const auto it = options.find(name);
        return it == options.end() ? std::string() : it->second.front();
    }
    // Every value of an option that may be repeated; none when it was not given.
    std::vector<std::string> Values(std::string_view name) const
    {
        const auto it = options.find(name);
        return it == options.end() ? std::vector<std::string>() : it->second;
    }
};

// The usage line declares the command's syntax: words in capitals are files
// or values, "--name" an option, "--name VALUE" one that takes a value,
// brackets mark what may be left out and "..." after an option's brackets
// lets it be given more than once.
struct ToolCommand {
    const char* pszName;
    const char* pszUsage;
    const char* pszHelp;
    int (*pfnRun)(const ToolArgs& args);
};

// The commands in the order the overall help lists them: the tables of the
// command files one after the other.
const std::vector<ToolCommand>& ToolCommands();
std::vector<ToolCommand> FileToolCommands();
std::vector<ToolCommand> ExchangeToolCommands();
std::vector<ToolCommand> TreeToolCommands();
std::vector<ToolCommand> ChannelToolCommands();
std::vector<ToolCommand> PrintToolCommands();
std::vector<ToolCommand> ReferenceToolCommands();
std::vector<ToolCommand> CheckToolCommands();

// check --deep: prints what the database check finds in db, one line per
// kind and one per record; kExitOk when it finds nothing, else kExitFindings.
int ReportFindings(const Database& db);
std::vector<ToolCommand> TransponderListToolCommands();
