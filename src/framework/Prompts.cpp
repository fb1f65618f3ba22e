#include "Prompts.h"

MsgAnswer WindowMessage(IPrompts& prompts, const QString& text, MsgButtons buttons, MsgIcon icon,
                        const QString& caption)
{
    return prompts.MessageBox(text, caption.isEmpty() ? kAppName : caption, buttons, icon);
}

MsgAnswer AppMessage(IPrompts& prompts, const QString& text, MsgButtons buttons, MsgIcon icon)
{
    if (icon == MsgIcon::None)
        icon = buttons == MsgButtons::Ok ? MsgIcon::Warning : MsgIcon::Question;
    return prompts.MessageBox(text, kAppName, buttons, icon);
}
