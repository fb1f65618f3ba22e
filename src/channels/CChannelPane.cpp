#include "CChannelPane.h"

#include "CEditZarnView.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

CChannelPane::CChannelPane(CEditZarnDoc& doc, QWidget* parent)
    : QWidget(parent), pText(new QLineEdit), pFtaOnly(new QCheckBox(kFilterFtaOnly)),
      pCasOnly(new QCheckBox(kFilterCasOnly)), pLockedOnly(new QCheckBox(kFilterLockedOnly)),
      pView(new CEditZarnView(doc))
{
    pText->setObjectName("filterBox");
    pText->setPlaceholderText(kFilterPlaceholder);
    pText->setClearButtonEnabled(true);
    pText->installEventFilter(this);

    auto* pBar = new QHBoxLayout;
    pBar->setContentsMargins(2, 2, 2, 2);
    pBar->addWidget(pText, 1);
    for (QCheckBox* pToggle : {pFtaOnly, pCasOnly, pLockedOnly})
        pBar->addWidget(pToggle);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addLayout(pBar);
    pLayout->addWidget(pView, 1);

    connect(pText, &QLineEdit::textChanged, this, &CChannelPane::ApplyFilter);
    // FTA only and CAS only exclude each other; both may be off.
    connect(pFtaOnly, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            pCasOnly->setChecked(false);
        ApplyFilter();
    });
    connect(pCasOnly, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            pFtaOnly->setChecked(false);
        ApplyFilter();
    });
    connect(pLockedOnly, &QCheckBox::toggled, this, &CChannelPane::ApplyFilter);
    connect(pView, &CEditZarnView::ListFilled, this, &CChannelPane::ReportCount);
    connect(pView, &CEditZarnView::ListFilled, this, &CChannelPane::ReportSelection);
    connect(pView->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CChannelPane::ReportSelection);

    auto* pFind = new QAction(this);
    pFind->setObjectName("focusFilter");
    pFind->setShortcut(QKeySequence::Find);
    pFind->setShortcutContext(Qt::WindowShortcut);
    connect(pFind, &QAction::triggered, this, [this] {
        pText->setFocus(Qt::ShortcutFocusReason);
        pText->selectAll();
    });
    addAction(pFind);
}

ChannelFilter CChannelPane::ReadFilter() const
{
    ChannelFilter filter;
    // A character beyond Latin-1 is in no name: it becomes the NUL byte,
    // which matches nothing.
    for (const QChar c : pText->text())
        filter.strText += c.unicode() <= 0xFF ? char(c.unicode()) : '\0';
    filter.scramble = pFtaOnly->isChecked()   ? ScrambleFilter::FtaOnly
                      : pCasOnly->isChecked() ? ScrambleFilter::CasOnly
                                              : ScrambleFilter::Any;
    filter.bLockedOnly = pLockedOnly->isChecked();
    return filter;
}

void CChannelPane::ApplyFilter() { pView->SetFilter(ReadFilter()); }

void CChannelPane::ClearFilter()
{
    const QSignalBlocker blockText(pText), blockFta(pFtaOnly), blockCas(pCasOnly), blockLocked(pLockedOnly);
    pText->clear();
    for (QCheckBox* pToggle : {pFtaOnly, pCasOnly, pLockedOnly})
        pToggle->setChecked(false);
    ApplyFilter();
}

void CChannelPane::ReportCount()
{
    emit CountTextChanged(FilterActive(pView->Filter()) ? kFilterCount.arg(pView->iRowCount).arg(pView->iListedRows)
                                                        : QString());
}

void CChannelPane::ReportSelection()
{
    const qsizetype count = qsizetype(pView->SelectedRows().size());
    emit SelectionTextChanged(count > 1 ? kSelectedCount.arg(count) : QString());
}

bool CChannelPane::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != pText || pEvent->type() != QEvent::KeyPress)
        return QWidget::eventFilter(pWatched, pEvent);
    switch (static_cast<QKeyEvent*>(pEvent)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down: pView->FocusFirstRow(); return true;
    case Qt::Key_Escape: ClearFilter(); return true;
    default: return false;
    }
}
