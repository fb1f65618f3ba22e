// One sdxtool command: its name, one-line usage, help text and handler.
#pragma once

#include <string>
#include <vector>

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;  // not a correct file, bad arguments
inline constexpr int kExitCannotOpen = 2; // a file cannot be opened or written

struct ToolCommand {
    const char* pszName;
    const char* pszUsage;
    const char* pszHelp;
    int (*pfnRun)(const std::vector<std::string>& args);
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
