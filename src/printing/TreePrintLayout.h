// The printed tree: the nodes the tree shows, one a line with its icon, in
// display order. The walk, the rows per page and the page starts are plain
// arithmetic over the nodes and the page size; TreePrintout draws them.
#pragma once

#include "PrintCanvas.h"
#include "TrText.h"

#include <vector>

// A node of the tree in pre-order (a parent before its children, depth 0
// for the top level).
struct PrintNode {
    int iDepth = 0;
    QString strLabel;
    QImage image; // the node's normal icon
    bool bExpanded = false;
};

struct TreePrintInput {
    int iNodeHeight = 18; // row height of the tree, in its pixels
    int iIndent = 20;     // indentation per level, in its pixels
    std::vector<PrintNode> nodes;
};

inline constexpr TrText kTreeTitleText{"TreePrintLayout", QT_TRANSLATE_NOOP("TreePrintLayout", "    QRX")};
inline const QString kTreeTitleFamily = QStringLiteral("Monotype Corsiva");
inline const QString kTreeTextFamily = QStringLiteral("Tahoma");
inline constexpr int kTreeTitleTenths = 64;
inline constexpr int kTreeTextHeight = 12; // a cell height, the em about a fifth less
// The tree is laid out in units of 1/300 inch and printed four times as
// large, so that a pixel of the tree becomes a unit of 1/75 inch.
inline constexpr int kTreeDeviceUnitsPerInch = 300;
inline constexpr int kTreeMagnification = 4;

// The node shown after node i: its first child when it is expanded,
// otherwise the next node that is not below it (its next sibling or the next
// sibling of the nearest ancestor that has one); -1 at the end.
int NextShownNode(const std::vector<PrintNode>& nodes, int i);
// The shown nodes in order, walking from the first node.
std::vector<int> ShownNodes(const std::vector<PrintNode>& nodes);
// pageHeight (device units) / nodeHeight / 4 - 9, at least 1.
int TreeRowsPerPage(int pageHeight, int nodeHeight);
// Left edge of a node's label in the tree, past the branch lines and icon.
int TreeLabelLeft(int depth, int indent);

class TreePrintout : public IPrintout {
public:
    explicit TreePrintout(TreePrintInput input) : input(std::move(input)) {}

    int BeginPrinting(IPrintCanvas& canvas) override;
    void PrintPage(IPrintCanvas& canvas, int page) override;
    int PreviewPages() const override { return 1; }

    int RowsPerPage() const { return iRowsPerPage; }
    // The index into the nodes of the first node of each page.
    const std::vector<int>& PageStarts() const { return aiPageStart; }

private:
    TreePrintInput input;
    std::vector<int> aiShown;
    std::vector<int> aiPageStart;
    int iRowsPerPage = 1;
    PrintFont titleFont, textFont;
};
