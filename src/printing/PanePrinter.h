// File Print, Print Preview and Print Setup for the pane that is active:
// one printer for the session, the dialogs behind IPrintDialogs, and the
// plain inputs read from the panes.
#pragma once

#include "ListPrintLayout.h"
#include "PrintDialogs.h"
#include "TreePrintLayout.h"

#include <memory>

class QAbstractItemModel;
class QIODevice;
class QPrinter;
class QTreeWidget;

class PanePrinter {
public:
    explicit PanePrinter(std::unique_ptr<IPrintDialogs> pDialogs);
    ~PanePrinter();

    void SetDialogs(std::unique_ptr<IPrintDialogs> pNewDialogs) { pDialogs = std::move(pNewDialogs); }
    // Created on first use; page set-up and the chosen printer persist.
    QPrinter& Printer();

    // The print dialog, then the pages chosen in it. False when the user
    // cancelled or the printer could not be painted on; a PDF file (Print
    // to File) is made in memory and written by the save path, and pFailure
    // gets the reason when that fails.
    bool Print(IPrintout& printout, QString* pFailure = nullptr);
    // The preview of every page on the current printer, no dialog first. A
    // print started from it goes as Print's does; pFailure gets the reason
    // when its PDF file could not be written.
    void Preview(IPrintout& printout, QString* pFailure = nullptr);
    void PrintSetup();

private:
    std::unique_ptr<IPrintDialogs> pDialogs;
    std::unique_ptr<QPrinter> pPrinter;
};

// The pages printout has on printer's printable area.
int CountPages(QPrinter& printer, IPrintout& printout);
// The pages of printout as a PDF file on A4 paper, written as every file the
// program writes; an empty text on success, otherwise the reason.
QString PrintToPdf(IPrintout& printout, const QString& path);

// The header titles and display texts of a list model's rows, in its column
// order.
ListPrintInput ListInputFromModel(const QAbstractItemModel& model);
// Every node of a tree widget in pre-order with its text, normal icon and
// whether it is expanded; the row height and indentation of the widget.
TreePrintInput TreeInputFromWidget(const QTreeWidget& tree);
