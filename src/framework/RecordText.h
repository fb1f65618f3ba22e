// Record text is the receiver's 8-bit bytes; the views show each byte as the
// Latin-1 character of the same value and store typed text back the same way
// (the dialogs refuse characters beyond Latin-1 first: ReadRecordText).
#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

inline QString FromRecordText(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}
inline QByteArray ToRecordText(const QString& text) { return text.toLatin1(); }
