// A system text that is shown translated: the English source and the context
// it is translated in, looked up whenever the text is used, so the constant
// can be defined before the translator is installed. Declared as
//   inline constexpr TrText kMsgX{"CContext", QT_TRANSLATE_NOOP("CContext", "English text")};
// so that lupdate finds it; it converts to QString wherever one is expected.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>

struct TrText {
    const char* pszContext;
    const char* pszSource;

    QString Translated() const { return QCoreApplication::translate(pszContext, pszSource); }
    operator QString() const { return Translated(); }

    // Messages with arguments: the translated pattern, then its arguments.
    template <typename... Args>
    QString arg(Args&&... args) const
    {
        return Translated().arg(std::forward<Args>(args)...);
    }
};
