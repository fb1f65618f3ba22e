#include "CEditZarnView.h"

#include "CEditZarnDoc.h"

#include <QHeaderView>
#include <QStandardItemModel>

CEditZarnView::CEditZarnView(CEditZarnDoc& doc, QWidget* parent)
    : QTableView(parent), doc(doc), pRows(new QStandardItemModel(0, std::size(kChannelColumns), this))
{
    for (int column = 0; column < pRows->columnCount(); ++column)
        pRows->setHeaderData(column, Qt::Horizontal, QString::fromLatin1(kChannelColumns[column].pTitle));
    setModel(pRows);
    for (int column = 0; column < pRows->columnCount(); ++column)
        setColumnWidth(column, kChannelColumns[column].iWidth);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionsMovable(true);
}

void CEditZarnView::RefreshChannelList(int mode)
{
    iTvRadioMode = mode;
    ClearChannelList();
}

void CEditZarnView::ShowListKind(int listKind)
{
    iListKind = listKind;
    RefreshChannelList(iTvRadioMode);
}

void CEditZarnView::ClearChannelList() { pRows->setRowCount(0); }
