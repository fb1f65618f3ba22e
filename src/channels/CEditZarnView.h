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

    // What the list shows; written when the tree reports a selection.
    enum ListKind { kListNone = -1, kListAll = 0, kListSatellite = 1, kListTransponder = 2, kListFavGroup = 3 };

    int iTvRadioMode = 0;
    int iListKind = kListNone;

public slots:
    // Stores the TV/Radio mode (0 TV, 1 radio) and refills the list.
    void RefreshChannelList(int mode);
    // The tree reports a selection (the document's Selected* fields are
    // written): store the list kind and refill for it.
    void ShowListKind(int listKind);
    // Deletes all rows; the columns stay.
    void ClearChannelList();

private:
    CEditZarnDoc& doc;
    QStandardItemModel* pRows;
};
