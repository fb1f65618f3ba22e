// The print, preview and page set-up dialogs as an interface, so that the
// print commands can be driven in tests without a modal loop.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

class IPrintDialogs {
public:
    virtual ~IPrintDialogs() = default;

    // The print dialog for printer, offering pages 1..pageCount; true when
    // the user chose to print (the printer then holds the choices).
    virtual bool RunPrintDialog(QPrinter& printer, int pageCount) = 0;
    // The preview of the pages paint draws on printer, sidePages pages side
    // by side; paint is called again whenever the preview needs the pages,
    // print when the user prints from the preview (printer then holds the
    // print dialog's choices).
    virtual void RunPreview(QPrinter& printer, int sidePages, const std::function<void(QPrinter&)>& paint,
                            const std::function<void(QPrinter&)>& print) = 0;
    virtual void RunPageSetup(QPrinter& printer) = 0;
};

class QtPrintDialogs : public IPrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* pParent = nullptr) : pParent(pParent) {}

    bool RunPrintDialog(QPrinter& printer, int pageCount) override;
    void RunPreview(QPrinter& printer, int sidePages, const std::function<void(QPrinter&)>& paint,
                    const std::function<void(QPrinter&)>& print) override;
    void RunPageSetup(QPrinter& printer) override;

private:
    QWidget* pParent;
};
