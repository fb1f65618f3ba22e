// File names as the system stores them (bytes) and as the program shows and
// passes them (QString). Names go through the local 8-bit file-name encoding
// (QFile::decodeName / encodeName); a byte that encoding cannot read is kept
// as the lone surrogate U+DC00 + byte, so every name comes back to exactly the
// bytes it was made from and never names a different file.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);

// A name a file dialog returned with the replacement character in it: the
// dialog read a name it could not decode, and no file of that name can be
// reached through it.
bool IsUnreadableName(const QString& name);
