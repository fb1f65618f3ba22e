// Reading the transponder lists shared among receivers (satellites.xml,
// cables.xml, terrestrial.xml; told apart by the root element) with
// QXmlStreamReader. Nothing outside the file is fetched and no declared
// entity is expanded: a document type that declares entities, or that
// refers to a definition outside the file, is refused.
#pragma once

#include "SdxFile.h"
#include "TransponderList.h"
#include "TrText.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// Why a list could not be read: the line (from 1) and the reason, whose %1
// is strArgument.
struct ListError {
    int iLine = 0;
    TrText reason{"", ""};
    QString strArgument;

    QString Text() const
    {
        const QString text = reason;
        return text.contains(QLatin1String("%1")) ? text.arg(strArgument) : text;
    }
};

// Reads a whole file's bytes; nothing on the first fault (error says which).
std::optional<TransponderList> ReadTransponderList(QByteArrayView bytes, ListError& error);

struct ListLoad {
    LoadResult result = LoadResult::CannotOpen;
    std::optional<TransponderList> list;
    ListError error;   // NotCorrect: where and why (line 0: the whole file)
    QString strReason; // CannotOpen: why
};

// Reads the file at path, which must be a regular file (or a link to one),
// as every outside file is read.
ListLoad LoadTransponderList(const QString& path);
