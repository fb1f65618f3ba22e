#include "QtPrompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

QStringList QtNameFilters(const QString& filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList fields = filter.split(QLatin1Char('|'));
    QStringList result;
    // Fields come in name/pattern pairs; the list ends at the first empty name.
    for (qsizetype i = 0; i + 1 < fields.size() && !fields[i].isEmpty(); i += 2) {
        QString name = fields[i];
        name.remove(trailingPatterns);
        QStringList patterns = fields[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        result << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' '))).trimmed();
    }
    return result;
}

int ChosenFilterIndex(const QStringList& nameFilters, const QString& chosen)
{
    const qsizetype i = nameFilters.indexOf(chosen);
    return i < 0 ? 1 : int(i) + 1;
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* pParent, const QString& text, const QString& caption,
                                            MsgButtons buttons, MsgIcon icon, const QString& informative)
{
    auto box = std::make_unique<QMessageBox>(pParent);
    box->setText(text);
    box->setInformativeText(informative);
    box->setWindowTitle(caption);
    box->setTextFormat(Qt::PlainText);
    switch (icon) {
    case MsgIcon::None: box->setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Warning: box->setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box->setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box->setIcon(QMessageBox::Question); break;
    }
    if (buttons == MsgButtons::YesNoCancel) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDefaultNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    return box;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* pParent, FileDialogKind kind, const QString& title,
                                            const QString& filter)
{
    auto dialog = std::make_unique<QFileDialog>(pParent, title);
    const bool save = kind == FileDialogKind::Save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(QtNameFilters(filter));
    return dialog;
}

MsgAnswer QtPrompts::MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon)
{
    return DetailedMessageBox(text, caption, buttons, icon, {});
}

MsgAnswer QtPrompts::DetailedMessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon,
                                        const QString& informative)
{
    auto box = MakeMessageBox(pParent, text, caption, buttons, icon, informative);
    const int pressed = box->exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (pressed == QMessageBox::Yes)
        return MsgAnswer::Yes;
    // Closed any other way: Cancel where the box offers it, otherwise No.
    return pressed == QMessageBox::No || buttons != MsgButtons::YesNoCancel ? MsgAnswer::No : MsgAnswer::Cancel;
}

void QtPrompts::UseFolderOf(const QString& path)
{
    if (!path.isEmpty())
        strFolder = QFileInfo(path).absolutePath();
}

std::optional<FileChoice> QtPrompts::RunFileDialog(QFileDialog& dialog)
{
    if (!strFolder.isEmpty())
        dialog.setDirectory(strFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    UseFolderOf(dialog.selectedFiles().constFirst());
    return FileChoice{dialog.selectedFiles().constFirst(),
                      ChosenFilterIndex(dialog.nameFilters(), dialog.selectedNameFilter())};
}

std::optional<FileChoice> QtPrompts::OpenFileDialog(const QString& title, const QString& filter)
{
    return RunFileDialog(*MakeFileDialog(pParent, FileDialogKind::Open, title, filter));
}

std::optional<FileChoice> QtPrompts::SaveFileDialog(const QString& title, const QString& filter)
{
    return RunFileDialog(*MakeFileDialog(pParent, FileDialogKind::Save, title, filter));
}
