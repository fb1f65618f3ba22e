#include "Prompts.h"

MsgAnswer WindowMessage(IPrompts& prompts, const QString& text, MsgButtons buttons, MsgIcon icon,
                        const QString& caption, const QString& informative)
{
    return prompts.DetailedMessageBox(text, caption.isEmpty() ? kAppName : caption, buttons, icon, informative);
}

MsgAnswer AppMessage(IPrompts& prompts, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& informative)
{
    if (icon == MsgIcon::None)
        icon = buttons == MsgButtons::Ok ? MsgIcon::Warning : MsgIcon::Question;
    return prompts.DetailedMessageBox(text, kAppName, buttons, icon, informative);
}
