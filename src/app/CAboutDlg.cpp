#include "CAboutDlg.h"

#include "AppIcons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(kAboutTitle);
    auto* pIcon = new QLabel(this);
    pIcon->setObjectName("icon");
    pIcon->setPixmap(ApplicationIcon().pixmap(32, 32));
    auto* pProduct = new QLabel(kAboutProduct, this);
    pProduct->setObjectName("product");
    auto* pDate = new QLabel(kAboutDate, this);
    pDate->setObjectName("date");
    auto* pOk = new QPushButton(kAboutOk, this);
    pOk->setObjectName("ok");
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* pLayout = new QGridLayout(this);
    pLayout->setHorizontalSpacing(16);
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);
    pLayout->addWidget(pProduct, 0, 1);
    pLayout->addWidget(pDate, 1, 1);
    pLayout->addWidget(pOk, 0, 2, Qt::AlignTop);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}
