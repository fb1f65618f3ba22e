#include "CLeftView.h"

#include "CEditZarnDoc.h"

CLeftView::CLeftView(CEditZarnDoc& doc, QWidget* parent) : QTreeWidget(parent), doc(doc)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    BuildRoots();
    connect(&doc, &CEditZarnDoc::DatabaseOpened, this, &CLeftView::FillTree);
    connect(&doc, &CEditZarnDoc::DatabaseClosed, this, &CLeftView::ResetTree);
}

void CLeftView::BuildRoots()
{
    clear();
    for (const QString& text : {kRootAllServices, kRootSatellite, kRootChannelList, kRootFavList, kRootTerrestrial,
                                kRootCable, kRootIsdb})
        addTopLevelItem(new QTreeWidgetItem(QStringList{text}));
}

void CLeftView::FillTree()
{
    BuildRoots();
    emit ListCleared();
}

void CLeftView::ResetTree()
{
    BuildRoots();
    emit ListCleared();
}
