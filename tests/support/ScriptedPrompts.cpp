#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

const char* Name(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return "Ok";
    case MsgButtons::YesNo: return "YesNo";
    case MsgButtons::YesNoCancel: return "YesNoCancel";
    case MsgButtons::YesNoDefaultNo: return "YesNoDefaultNo";
    }
    return "?";
}

const char* Name(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None: return "None";
    case MsgIcon::Warning: return "Warning";
    case MsgIcon::Stop: return "Stop";
    case MsgIcon::Question: return "Question";
    }
    return "?";
}

const char* Name(AskedDialog kind)
{
    switch (kind) {
    case AskedDialog::Open: return "Open";
    case AskedDialog::Save: return "Save";
    }
    return "?";
}

bool Fits(MsgAnswer answer, MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return answer == MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoDefaultNo: return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case MsgButtons::YesNoCancel: return answer != MsgAnswer::Ok;
    }
    return false;
}

} // namespace

ScriptedPrompts::~ScriptedPrompts()
{
    if (!aAnswers.empty())
        ADD_FAILURE() << aAnswers.size() << " queued message answer(s) never asked for";
    if (!aFiles.empty())
        ADD_FAILURE() << aFiles.size() << " queued file dialog answer(s) never asked for";
}

MsgAnswer ScriptedPrompts::MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon)
{
    return DetailedMessageBox(text, caption, buttons, icon, {});
}

MsgAnswer ScriptedPrompts::DetailedMessageBox(const QString& text, const QString& caption, MsgButtons buttons,
                                              MsgIcon icon, const QString& informative)
{
    const ShownMessage shown{text, caption, buttons, icon, informative};
    aMessages.push_back(shown);
    // Without an answer the box is dismissed the harmless way.
    const MsgAnswer dismissed = buttons == MsgButtons::Ok            ? MsgAnswer::Ok
                                : buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel
                                                                     : MsgAnswer::No;
    if (aAnswers.empty()) {
        ADD_FAILURE() << "message box without a queued answer: " << testing::PrintToString(shown);
        return dismissed;
    }
    const MsgAnswer answer = aAnswers.front();
    aAnswers.pop_front();
    if (!Fits(answer, buttons)) {
        ADD_FAILURE() << "queued answer does not fit the buttons of " << testing::PrintToString(shown);
        return dismissed;
    }
    return answer;
}

std::vector<ShownMessage> ScriptedPrompts::MessagesWithoutReasons() const
{
    std::vector<ShownMessage> messages = aMessages;
    for (ShownMessage& message : messages)
        message.strInformative.clear();
    return messages;
}

std::optional<FileChoice> ScriptedPrompts::AnswerFileDialog(AskedDialog kind, const QString& title,
                                                            const QString& filter)
{
    const AskedFileDialog asked{kind, title, filter};
    aFileDialogs.push_back(asked);
    if (aFiles.empty()) {
        ADD_FAILURE() << "file dialog without a queued answer: " << testing::PrintToString(asked);
        return std::nullopt;
    }
    std::optional<FileChoice> answer = aFiles.front();
    aFiles.pop_front();
    return answer;
}

std::optional<FileChoice> ScriptedPrompts::OpenFileDialog(const QString& title, const QString& filter)
{
    return AnswerFileDialog(AskedDialog::Open, title, filter);
}

std::optional<FileChoice> ScriptedPrompts::SaveFileDialog(const QString& title, const QString& filter)
{
    return AnswerFileDialog(AskedDialog::Save, title, filter);
}

void PrintTo(const QString& text, std::ostream* os) { *os << testing::PrintToString(text.toStdString()); }

void PrintTo(const ShownMessage& message, std::ostream* os)
{
    *os << "{text " << testing::PrintToString(message.strText) << ", caption "
        << testing::PrintToString(message.strCaption) << ", " << Name(message.buttons) << ", " << Name(message.icon);
    if (!message.strInformative.isEmpty())
        *os << ", informative " << testing::PrintToString(message.strInformative);
    *os << "}";
}

void PrintTo(const AskedFileDialog& dialog, std::ostream* os)
{
    *os << "{" << Name(dialog.kind) << ", title " << testing::PrintToString(dialog.strTitle) << ", filter "
        << testing::PrintToString(dialog.strFilter) << "}";
}
