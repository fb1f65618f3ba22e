// The questions of a benchmark's commands: every question answered Yes,
// every message acknowledged, every file dialog cancelled.
#pragma once

#include "Prompts.h"

class YesPrompts : public IPrompts {
public:
    MsgAnswer MessageBox(const QString&, const QString&, MsgButtons buttons, MsgIcon) override
    {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    std::optional<FileChoice> OpenFileDialog(const QString&, const QString&) override { return {}; }
    std::optional<FileChoice> SaveFileDialog(const QString&, const QString&) override { return {}; }
};
