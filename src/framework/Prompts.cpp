#include "Prompts.h"

#include "FileMedium.h"

MsgAnswer WindowMessage(IPrompts& prompts, const QString& text, MsgButtons buttons, MsgIcon icon,
                        const QString& caption, const QString& informative)
{
    return prompts.DetailedMessageBox(text, caption.isEmpty() ? kAppName : caption, buttons, icon, informative);
}

bool ConfirmReplace(IPrompts& prompts, const QString& path)
{
    return WindowMessage(prompts, kMsgAlreadyExists.arg(path.mid(path.lastIndexOf(u'/') + 1)),
                         MsgButtons::YesNoDefaultNo, MsgIcon::Warning) == MsgAnswer::Yes;
}

bool AllowsAppendedName(IPrompts& prompts, const QString& chosen, const QString& target)
{
    return target == chosen || !FileExists(target) || ConfirmReplace(prompts, target);
}

QString LineDetail(int line, const QString& reason)
{
    return line > 0 ? kMsgLineDetail.arg(line).arg(reason) : reason;
}

MsgAnswer AppMessage(IPrompts& prompts, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& informative)
{
    if (icon == MsgIcon::None)
        icon = buttons == MsgButtons::Ok ? MsgIcon::Warning : MsgIcon::Question;
    return prompts.DetailedMessageBox(text, kAppName, buttons, icon, informative);
}
