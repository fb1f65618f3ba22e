#include "FileNames.h"

#include <QFile>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// A lone low surrogate in the escape range; the low half of a real pair
// follows its high half.
bool IsEscapedByte(const QString& name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

// Length of the well-formed UTF-8 sequence at bytes[i], or 0 when there is none.
qsizetype Utf8SequenceAt(const QByteArray& bytes, qsizetype i)
{
    const auto byte = [&](qsizetype k) { return uint8_t(bytes[k]); };
    const uint8_t lead = byte(i);
    if (lead < 0x80)
        return 1;
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points above U+10FFFF.
    const uint8_t second = byte(i + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

} // namespace

QString DecodeFileName(const QByteArray& bytes)
{
    QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) == bytes)
        return name;
    name.clear();
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = Utf8SequenceAt(bytes, i);
        if (length == 0) {
            name += QChar(char16_t(kEscapeBase + uint8_t(bytes[i])));
            ++i;
            continue;
        }
        name += QFile::decodeName(bytes.mid(i, length));
        i += length;
    }
    return name;
}

QByteArray EncodeFileName(const QString& name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsEscapedByte(name, i))
            continue;
        bytes += QFile::encodeName(name.mid(runStart, i - runStart));
        if (i < name.size())
            bytes += char(name[i].unicode() - kEscapeBase);
        runStart = i + 1;
    }
    return bytes;
}

bool IsUnreadableName(const QString& name) { return name.contains(QChar::ReplacementCharacter); }
