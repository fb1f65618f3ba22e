// The right pane: the report-style list of the TV or radio channels that
// belong to the node selected in the tree.
#pragma once

#include <QTableView>

class CEditZarnDoc;
class QStandardItemModel;

struct ChannelColumn {
    const char* pTitle;
    int iWidth;
};

// Column titles and widths in pixels, in display order.
inline constexpr ChannelColumn kChannelColumns[] = {
    {"Index", 45},     {"Name", 100},   {"FTA/CAS", 55}, {"Lock", 50},          {"Video PID", 70},
    {"Audio PID", 70}, {"PCR PID", 60}, {"TXT PID", 60}, {"Program Type", 90}, {"My Fav", 80},
};

class CEditZarnView : public QTableView {
    Q_OBJECT

public:
    explicit CEditZarnView(CEditZarnDoc& doc, QWidget* parent = nullptr);

    CEditZarnDoc& Document() const { return doc; }

    // Stores the TV/Radio mode (0 TV, 1 radio) and refills the list.
    void RefreshChannelList(int mode);

    int iTvRadioMode = 0;

private:
    CEditZarnDoc& doc;
    QStandardItemModel* pRows;
};
