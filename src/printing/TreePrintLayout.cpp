#include "TreePrintLayout.h"

#include "ListPrintLayout.h"

#include <algorithm>

namespace {

constexpr int kReservedRows = 9;
constexpr int kIconSize = 16, kIconGap = 3;
// Positions on the page, in the tree's magnified units.
constexpr int kTitleY = 44;
constexpr int kPageFromRight = 64, kPageY = 64;
constexpr int kRuleY = 84;
constexpr int kNodesY = 100;
constexpr int kIconBeforeLabel = 10, kTextAfterLabel = 10;

} // namespace

int NextShownNode(const std::vector<PrintNode>& nodes, int i)
{
    const int count = int(nodes.size());
    if (i < 0 || i >= count)
        return -1;
    const int depth = nodes[size_t(i)].iDepth;
    int next = i + 1;
    if (!nodes[size_t(i)].bExpanded)
        while (next < count && nodes[size_t(next)].iDepth > depth)
            ++next;
    return next < count ? next : -1;
}

std::vector<int> ShownNodes(const std::vector<PrintNode>& nodes)
{
    std::vector<int> shown;
    for (int i = nodes.empty() ? -1 : 0; i >= 0; i = NextShownNode(nodes, i))
        shown.push_back(i);
    return shown;
}

int TreeRowsPerPage(int pageHeight, int nodeHeight)
{
    return std::max(1, pageHeight / std::max(1, nodeHeight) / kTreeMagnification - kReservedRows);
}

int TreeLabelLeft(int depth, int indent) { return indent * (depth + 1) + kIconSize + kIconGap; }

int TreePrintout::BeginPrinting(IPrintCanvas& canvas)
{
    canvas.SetUnitsPerInch(kTreeDeviceUnitsPerInch);
    input.iNodeHeight = std::max(1, input.iNodeHeight);
    iRowsPerPage = TreeRowsPerPage(int(canvas.PageSize().height()), input.iNodeHeight);
    aiShown = ShownNodes(input.nodes);
    const int pages = PageCount(int(aiShown.size()), iRowsPerPage);
    aiPageStart.clear();
    for (int p = 0; p < pages; ++p)
        aiPageStart.push_back(aiShown.empty() ? -1 : aiShown[size_t(p * iRowsPerPage)]);
    // The title font is made for the device and then magnified with the page.
    titleFont = {kTreeTitleFamily, FontHint::Cursive, kTreeTitleTenths * kTreeDeviceUnitsPerInch / 720.0};
    textFont = {kTreeTextFamily, FontHint::SansSerif, kTreeTextHeight, true, true};
    return pages;
}

void TreePrintout::PrintPage(IPrintCanvas& canvas, int page)
{
    canvas.SetUnitsPerInch(double(kTreeDeviceUnitsPerInch) / kTreeMagnification);
    const PrintFont saved = canvas.Font();
    const int right = int(canvas.PageSize().width());
    canvas.SetFont(titleFont);
    canvas.DrawText(0, kTitleY, kTreeTitleText);
    canvas.SetFont(textFont);
    canvas.DrawText(right - kPageFromRight, kPageY, kPageText.arg(page));
    canvas.DrawLine(0, kRuleY, right, kRuleY);

    const int first = (page - 1) * iRowsPerPage;
    const int rows = RowsOnPage(int(aiShown.size()), iRowsPerPage, page);
    for (int i = 0; i < rows; ++i) {
        const PrintNode& node = input.nodes[size_t(aiShown[size_t(first + i)])];
        const int left = TreeLabelLeft(node.iDepth, input.iIndent);
        const int y = kNodesY + input.iNodeHeight * i;
        if (!node.image.isNull())
            canvas.DrawImage(left - kIconBeforeLabel, y, node.image);
        canvas.DrawText(left + kTextAfterLabel, y, node.strLabel);
    }
    canvas.SetFont(saved);
}
