// Modal questions to the user: message boxes and the open and save file
// dialogs. Commands and dialogs ask through this interface only, so that
// tests can answer them and check what was asked.
#pragma once

#include "TrText.h"

#include <QString>

#include <optional>

// Caption of every box shown without a caption of its own.
inline const QString kAppName = QStringLiteral("EditZarn");

// The desktop's own question before an existing file is replaced (%1 the
// file as the user knows it); every command that replaces a file asks it.
inline constexpr TrText kMsgAlreadyExists{
    "IPrompts", QT_TRANSLATE_NOOP("IPrompts", "%1 already exists.\nDo you want to replace it?")};

// The line of a malformed file and why, below the wrong-file message.
inline constexpr TrText kMsgLineDetail{"IPrompts", QT_TRANSLATE_NOOP("IPrompts", "Line %1: %2")};

// YesNoDefaultNo: a question whose Yes replaces or drops something; No is
// the default button, so Enter keeps what is there.
enum class MsgButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MsgIcon { None, Warning, Stop, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// A file chosen in a file dialog; the filter index counts from 1 in the
// order of the filter string.
struct FileChoice {
    QString strPath;
    int iFilterIndex = 1;
};

class IPrompts {
public:
    virtual ~IPrompts() = default;

    // A box with Cancel answers Cancel when closed any other way (Escape,
    // the window's close button).
    virtual MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) = 0;
    // The same box with informative as a second paragraph below text (the
    // reason, the detail); where that cannot be shown, the box without it.
    virtual MsgAnswer DetailedMessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon,
                                         const QString& informative)
    {
        Q_UNUSED(informative);
        return MessageBox(text, caption, buttons, icon);
    }

    // filter has the form "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||".
    // The open dialog takes an existing file; the save dialog any name, and
    // it asks before an existing file is chosen. Empty result: the user
    // cancelled.
    virtual std::optional<FileChoice> OpenFileDialog(const QString& title, const QString& filter) = 0;
    virtual std::optional<FileChoice> SaveFileDialog(const QString& title, const QString& filter) = 0;
    // The file dialogs start in the folder of path (the open database).
    virtual void UseFolderOf(const QString& path) { Q_UNUSED(path); }
};

// A box shown on a window: no caption means the application name.
MsgAnswer WindowMessage(IPrompts& prompts, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                        MsgIcon icon = MsgIcon::None, const QString& caption = {}, const QString& informative = {});

// Asks kMsgAlreadyExists about the file at path, named by its file name,
// with No the default answer; true when the user answers Yes.
bool ConfirmReplace(IPrompts& prompts, const QString& path);

// A save dialog asked about the name as chosen; where an appended extension
// made it target, an existing file at target is asked about here. True when
// the save may go on.
bool AllowsAppendedName(IPrompts& prompts, const QString& chosen, const QString& target);

// The informative text of a file that is not correct: reason at line, or
// reason alone where no line is known (line 0).
QString LineDetail(int line, const QString& reason);

// The application-wide message function: always the application name as
// caption; asked without an icon, an OK box warns and a Yes/No box asks.
MsgAnswer AppMessage(IPrompts& prompts, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                     MsgIcon icon = MsgIcon::None, const QString& informative = {});
