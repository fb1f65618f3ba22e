// Prompts double for tests: answers come from queues filled beforehand, and
// every question asked is recorded. A question without a queued answer, an
// answer that does not fit the question, and answers left unused when the
// double is destroyed all fail the running test.
#pragma once

#include "Prompts.h"

#include <deque>
#include <ostream>
#include <vector>

struct ShownMessage {
    QString strText;
    QString strCaption;
    MsgButtons buttons;
    MsgIcon icon;
    QString strInformative{};
    bool operator==(const ShownMessage&) const = default;
};

enum class AskedDialog { Open, Save };

struct AskedFileDialog {
    AskedDialog kind;
    QString strTitle;
    QString strFilter;
    bool operator==(const AskedFileDialog&) const = default;
};

class ScriptedPrompts : public IPrompts {
public:
    ~ScriptedPrompts() override;

    void QueueAnswer(MsgAnswer answer) { aAnswers.push_back(answer); }
    void QueueFile(const QString& path, int filterIndex = 1) { aFiles.push_back(FileChoice{path, filterIndex}); }
    void QueueCancel() { aFiles.push_back(std::nullopt); }

    const std::vector<ShownMessage>& Messages() const { return aMessages; }
    // The messages with their informative texts (the reasons) left out.
    std::vector<ShownMessage> MessagesWithoutReasons() const;
    const std::vector<AskedFileDialog>& FileDialogs() const { return aFileDialogs; }

    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
    MsgAnswer DetailedMessageBox(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon,
                                 const QString& informative) override;
    std::optional<FileChoice> OpenFileDialog(const QString& title, const QString& filter) override;
    std::optional<FileChoice> SaveFileDialog(const QString& title, const QString& filter) override;

private:
    std::optional<FileChoice> AnswerFileDialog(AskedDialog kind, const QString& title, const QString& filter);

    std::deque<MsgAnswer> aAnswers;
    std::deque<std::optional<FileChoice>> aFiles;
    std::vector<ShownMessage> aMessages;
    std::vector<AskedFileDialog> aFileDialogs;
};

// Readable failure output for the records and for QString.
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const ShownMessage& message, std::ostream* os);
void PrintTo(const AskedFileDialog& dialog, std::ostream* os);
