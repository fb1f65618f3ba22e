// The commands that show the satellite and transponder tree.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "TreeLabels.h"

#include <cstdio>
#include <memory>

namespace {

int RunTree(const ToolArgs& args)
{
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    for (const TreeLine& line : TreeOutline(*db))
        std::printf("%*s%s\n", 2 * line.iDepth, "", line.strLabel.c_str());
    return kExitOk;
}

} // namespace

std::vector<ToolCommand> TreeToolCommands()
{
    return {
        {"tree", "tree IN",
         "Prints the editor's tree of IN with every branch expanded: one node label a line, indented two spaces "
         "a level. Text bytes are written unchanged.",
         RunTree},
    };
}
