// Modal questions to the user: message boxes and the open and save file
// dialogs. Commands and dialogs ask through this interface only, so that
// tests can answer them and check what was asked.
#pragma once

#include <QString>

#include <optional>

// Caption of every box shown without a caption of its own.
inline const QString kAppName = QStringLiteral("EditZarn");

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Warning, Stop, Question };
enum class MsgAnswer { Ok, Yes, No };

// A file chosen in a file dialog; the filter index counts from 1 in the
// order of the filter string.
struct FileChoice {
    QString strPath;
    int iFilterIndex = 1;
};

class IPrompts {
public:
    virtual ~IPrompts() = default;

    virtual MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) = 0;

    // filter has the form "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||".
    // With bAllowNewName a name that does not exist yet may be chosen.
    // Empty result: the user cancelled.
    virtual std::optional<FileChoice> OpenFileDialog(const QString& title, const QString& filter,
                                                     bool bAllowNewName) = 0;
    virtual std::optional<FileChoice> SaveFileDialog(const QString& title, const QString& filter) = 0;
};

// A box shown on a window: no caption means the application name.
MsgAnswer WindowMessage(IPrompts& prompts, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                        MsgIcon icon = MsgIcon::None, const QString& caption = {});

// The application-wide message function: always the application name as
// caption; asked without an icon, an OK box warns and a Yes/No box asks.
MsgAnswer AppMessage(IPrompts& prompts, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                     MsgIcon icon = MsgIcon::None);
