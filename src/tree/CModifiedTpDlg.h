// The Modified TP dialog: every transponder of one satellite in a list with
// multiple selection, and Add, Edit and Del buttons that change the database
// at once. OK and Cancel only close; the caller rebuilds the tree when the
// dialog reports a change.
#pragma once

#include "DialogButtons.h"
#include "TrText.h"

#include <QDialog>

#include <vector>

class CEditZarnDoc;
class QListWidget;
class QPushButton;

inline constexpr TrText kCaptionModifiedTp{"CModifiedTpDlg", QT_TRANSLATE_NOOP("CModifiedTpDlg", "Modified TP")};
inline constexpr TrText kCaptionTransponderList{"CModifiedTpDlg",
                                                QT_TRANSLATE_NOOP("CModifiedTpDlg", "%1--Transponder List")};

class CModifiedTpDlg : public QDialog {
    Q_OBJECT

public:
    // runDialog runs the Transponder Parameters dialogs that Add and Edit open.
    CModifiedTpDlg(CEditZarnDoc& doc, int satIndex, DialogRunner runDialog = ExecModal, QWidget* parent = nullptr);

    void OnAdd();
    void OnEdit();
    void OnDel();
    // Set once anything was added, edited or deleted.
    bool IsChanged() const { return bChanged; }
    // The record index behind each line.
    const std::vector<int>& LineRecords() const { return aiLineRecord; }

    QListWidget* pList;
    QPushButton* pAddButton;
    QPushButton* pEditButton;
    QPushButton* pDelButton;

private:
    void FillList();
    void AddLine(int record);
    std::vector<int> SelectedLines() const;

    CEditZarnDoc& doc;
    int iSatIndex;
    DialogRunner runDialog;
    std::vector<int> aiLineRecord;
    bool bChanged = false;
};
