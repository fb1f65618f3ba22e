// The left pane: the satellite and transponder tree under its seven fixed
// top-level categories.
#pragma once

#include <QTreeWidget>

class CEditZarnDoc;

inline const QString kRootAllServices = QStringLiteral("All Services");
inline const QString kRootSatellite = QStringLiteral("Satellite");
inline const QString kRootChannelList = QStringLiteral("Channel List");
inline const QString kRootFavList = QStringLiteral("FAV List");
inline const QString kRootTerrestrial = QStringLiteral("Terrestrial");
inline const QString kRootCable = QStringLiteral("Cable");
inline const QString kRootIsdb = QStringLiteral("ISDB");

class CLeftView : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kRootCount = 7;

    explicit CLeftView(CEditZarnDoc& doc, QWidget* parent = nullptr);

    CEditZarnDoc& Document() const { return doc; }
    QTreeWidgetItem* Root(int position) const { return topLevelItem(position); }

signals:
    // A node was selected: the document's Selected* fields are written and
    // the channel list should show listKind (a CEditZarnView::ListKind).
    void ListKindReported(int listKind);
    // The tree was rebuilt: the channel list should be emptied.
    void ListCleared();

public slots:
    // Rebuilds the branches from the open database.
    void FillTree();
    // Back to the bare top-level categories.
    void ResetTree();

private:
    void BuildRoots();

    CEditZarnDoc& doc;
};
