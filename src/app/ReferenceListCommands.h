// File > "Apply Reference List…" and "Export Reference List…": the
// arrangement of another database (or its text form) applied to the open one
// as one editing step, and the open one's arrangement written as text.
#pragma once

#include "DialogButtons.h"
#include "TrText.h"

#include <QString>

class CEditZarnDoc;
class QWidget;

inline constexpr TrText kTitleExportReference{"ReferenceListCommands",
                                              QT_TRANSLATE_NOOP("ReferenceListCommands", "Export Reference List")};

class ReferenceListCommands {
public:
    ReferenceListCommands(CEditZarnDoc& doc, QWidget* pParent) : doc(doc), pParent(pParent) {}

    // Asks for the reference file, shows what applying it would do and
    // applies it on OK; true when the database changed.
    bool OnApplyReferenceList();
    void OnExportReferenceList();

    // How the summary dialog is run; tests answer it here.
    DialogRunner fnRunDialog = ExecModal;

private:
    CEditZarnDoc& doc;
    QWidget* pParent;
};
