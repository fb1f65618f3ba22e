#include "PrintDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QPaintEngine>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

bool QtPrintDialogs::RunPrintDialog(QPrinter& printer, int pageCount)
{
    QPrintDialog dialog(&printer, pParent);
    dialog.setMinMax(1, pageCount);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::RunPreview(QPrinter& printer, int sidePages, const std::function<void(QPrinter&)>& paint,
                                const std::function<void(QPrinter&)>& print)
{
    QPrintPreviewDialog dialog(&printer, pParent);
    // The preview's pages are recorded as pictures; its Print button asks
    // for the pages with the printer's own engine in place.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* pPrinter) {
        const QPaintEngine* pEngine = pPrinter->paintEngine();
        if (pEngine && pEngine->type() == QPaintEngine::Picture)
            paint(*pPrinter);
        else
            print(*pPrinter);
    });
    if (sidePages == 2) {
        // Through the dialog's own action when it can be found, so that its
        // toolbar shows the mode.
        const QString facing = QCoreApplication::translate("QPrintPreviewDialog", "Show facing pages");
        for (QAction* pAction : dialog.findChildren<QAction*>())
            if (pAction->text() == facing)
                pAction->trigger();
        if (auto* pWidget = dialog.findChild<QPrintPreviewWidget*>())
            pWidget->setViewMode(QPrintPreviewWidget::FacingPagesView);
    }
    dialog.exec();
}

void QtPrintDialogs::RunPageSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, pParent);
    dialog.exec();
}
