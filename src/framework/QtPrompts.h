// The prompts interface on Qt's message box and file dialog.
#pragma once

#include "Prompts.h"

#include <QStringList>

#include <memory>

class QFileDialog;
class QMessageBox;
class QWidget;

// "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||" as Qt name filters, one per
// name/pattern pair, in order. Each filter keeps its name and takes its
// patterns from the pattern field (";" separated); "*.*" matches every file,
// as it does on Windows, so it becomes "*".
QStringList QtNameFilters(const QString& filter);

// 1-based position of the chosen name filter in the list; 1 when not found.
int ChosenFilterIndex(const QStringList& nameFilters, const QString& chosen);

// The boxes and dialogs as QtPrompts shows them, configured but not shown.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* pParent, const QString& text, const QString& caption,
                                            MsgButtons buttons, MsgIcon icon, const QString& informative = {});
enum class FileDialogKind { Open, Save };
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* pParent, FileDialogKind kind, const QString& title,
                                            const QString& filter);

class QtPrompts : public IPrompts {
public:
    explicit QtPrompts(QWidget* pParent = nullptr) : pParent(pParent) {}
    void SetParent(QWidget* pNewParent) { pParent = pNewParent; }

    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
    MsgAnswer DetailedMessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon,
                                 const QString& informative) override;
    std::optional<FileChoice> OpenFileDialog(const QString& title, const QString& filter) override;
    std::optional<FileChoice> SaveFileDialog(const QString& title, const QString& filter) override;
    void UseFolderOf(const QString& path) override;

private:
    std::optional<FileChoice> RunFileDialog(QFileDialog& dialog);

    QWidget* pParent;
    // Where the next file dialog starts: the folder of the open database or
    // of the last file chosen; the working folder until there is one.
    QString strFolder;
};
