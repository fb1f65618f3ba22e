// The command that prints the channel list or the tree of a database to a
// PDF file with the editor's own page layout.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "ChannelCells.h"
#include "PanePrinter.h"
#include "TreeIcons.h"
#include "TreeLabels.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Images of the tree's nodes: the categories from 5 on, satellites and
// category transponders 1, satellite transponders 3.
constexpr int kFirstRootImage = 5;
constexpr int kNodeImage = 1;
constexpr int kSatTpImage = 3;

ListPrintInput ChannelListInput(const Database& db, bool radio)
{
    ListPrintInput input;
    for (int c = 0; c < kListColumns; ++c)
        input.titles[size_t(c)] = QString::fromLatin1(kChannelColumns[c].pTitle);
    std::vector<int> aiRowChannel(kMaxChannels);
    const int rows = FillRowMap(db, radio, RowFilter::All, 0, aiRowChannel);
    input.rows.resize(size_t(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kListColumns; ++c)
            input.rows[size_t(r)][size_t(c)] =
                QString::fromLatin1(FormatRowCell(db, radio, RowFilter::All, r, aiRowChannel[size_t(r)], c));
    return input;
}

TreePrintInput ExpandedTreeInput(const Database& db)
{
    TreePrintInput input;
    int root = 0;
    for (const TreeLine& line : TreeOutline(db)) {
        const int image = line.iDepth == 0 ? kFirstRootImage + root++ : line.iDepth == 1 ? kNodeImage : kSatTpImage;
        input.nodes.push_back({line.iDepth, QString::fromLatin1(line.strLabel), TreeImage(image).toImage(), true});
    }
    return input;
}

int RunPrint(const ToolArgs& args)
{
    const bool radio = args.IsSet("radio"), tree = args.IsSet("tree");
    if (radio && tree) {
        std::fprintf(stderr, "sdxtool print: give either --radio or --tree, not both\n");
        return kExitBadInput;
    }
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    // Fonts and printing need a GUI application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sdxtool";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    std::unique_ptr<IPrintout> printout;
    if (tree)
        printout = std::make_unique<TreePrintout>(ExpandedTreeInput(*db));
    else
        printout = std::make_unique<ListPrintout>(ChannelListInput(*db, radio));
    // The whole document is made in memory, then written as every output is.
    const QString reason = PrintToPdf(*printout, PathArg(args[1]));
    return reason.isEmpty() ? kExitOk : ReportCannotWrite(args[1], reason);
}

} // namespace

std::vector<ToolCommand> PrintToolCommands()
{
    return {
        {"print", "print IN OUT.pdf [--radio] [--tree]",
         "Prints the list of all TV channels (radio channels with --radio), or with --tree the fully "
         "expanded tree, to a PDF file on A4 paper, as the editor prints them. --radio and --tree exclude "
         "each other.",
         RunPrint},
    };
}
