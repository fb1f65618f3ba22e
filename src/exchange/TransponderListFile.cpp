#include "TransponderListFile.h"

#include "FileAccess.h"

#include <QXmlStreamReader>

#include <array>

namespace {

struct KindNames {
    TransponderListKind kind;
    const char* pszRoot;
    const char* pszEntry;
};
constexpr std::array<KindNames, 3> kKinds = {{
    {TransponderListKind::Satellites, "satellites", "sat"},
    {TransponderListKind::Cables, "cables", "cable"},
    {TransponderListKind::Terrestrial, "locations", "terrestrial"},
}};

constexpr TrText kErrTooLarge{"TransponderList",
                              QT_TRANSLATE_NOOP("TransponderList", "the file is larger than 64 MiB")};
constexpr TrText kErrXml{"TransponderList", QT_TRANSLATE_NOOP("TransponderList", "the file is not correct XML: %1")};
constexpr TrText kErrRoot{
    "TransponderList",
    QT_TRANSLATE_NOOP("TransponderList", "the root element <%1> is not <satellites>, <cables> or <locations>")};
constexpr TrText kErrEntities{
    "TransponderList",
    QT_TRANSLATE_NOOP("TransponderList", "the document type declares entities, which are not read")};
constexpr TrText kErrOutsideDtd{
    "TransponderList",
    QT_TRANSLATE_NOOP("TransponderList",
                      "the document type refers to a definition outside the file, which is not read")};
constexpr TrText kErrEntity{"TransponderList", QT_TRANSLATE_NOOP("TransponderList", "the entity &%1; is not known")};
constexpr TrText kErrMissing{"TransponderList", QT_TRANSLATE_NOOP("TransponderList", "the attribute %1 is missing")};
constexpr TrText kErrNotNumber{"TransponderList",
                               QT_TRANSLATE_NOOP("TransponderList", "the attribute %1 is not a whole number")};

enum class Need { Required, Optional };

class ListReader {
public:
    ListReader(QByteArrayView bytes, ListError& error)
        : xml(QByteArray::fromRawData(bytes.data(), bytes.size())), error(error)
    {
        xml.setNamespaceProcessing(false);
    }

    std::optional<TransponderList> Read();

private:
    bool Fail(const TrText& reason, const QString& argument = {})
    {
        error = {int(xml.lineNumber()), reason, argument};
        return false;
    }
    // An attribute of the current element as a whole number; a missing
    // optional one leaves value as it is.
    bool Number(const QXmlStreamAttributes& attributes, QLatin1StringView name, Need need, int64_t& value);
    bool Text(const QXmlStreamAttributes& attributes, QLatin1StringView name, Need need, std::string& text);
    bool ReadEntry(ListEntry& entry);
    bool ReadTransponder(ListTransponder& tp);

    QXmlStreamReader xml;
    ListError& error;
    TransponderListKind kind = TransponderListKind::Satellites;
};

bool ListReader::Number(const QXmlStreamAttributes& attributes, QLatin1StringView name, Need need, int64_t& value)
{
    const QStringView text = attributes.value(name);
    if (text.isNull() && !attributes.hasAttribute(name))
        return need == Need::Optional || Fail(kErrMissing, name.toString());
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok)
        return Fail(kErrNotNumber, name.toString());
    value = number;
    return true;
}

bool ListReader::Text(const QXmlStreamAttributes& attributes, QLatin1StringView name, Need need, std::string& text)
{
    const QStringView value = attributes.value(name);
    if (value.isNull() && !attributes.hasAttribute(name))
        return need == Need::Optional || Fail(kErrMissing, name.toString());
    text = value.toString().toStdString();
    return true;
}

bool ListReader::ReadEntry(ListEntry& entry)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    if (!Text(attributes, QLatin1StringView("name"), Need::Required, entry.strName))
        return false;
    if (kind != TransponderListKind::Satellites)
        return Text(attributes, QLatin1StringView("countrycode"), Need::Optional, entry.strCountry);
    return Text(attributes, QLatin1StringView("position"), Need::Required, entry.strPosition) &&
           Number(attributes, QLatin1StringView("position"), Need::Required, entry.iPosition);
}

bool ListReader::ReadTransponder(ListTransponder& tp)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    switch (kind) {
    case TransponderListKind::Satellites:
        return Number(attributes, QLatin1StringView("frequency"), Need::Required, tp.iFrequency) &&
               Number(attributes, QLatin1StringView("symbol_rate"), Need::Required, tp.iSymbolRate) &&
               Number(attributes, QLatin1StringView("polarization"), Need::Required, tp.iPolarisation) &&
               Number(attributes, QLatin1StringView("fec_inner"), Need::Optional, tp.iFec);
    case TransponderListKind::Cables:
        return Number(attributes, QLatin1StringView("frequency"), Need::Required, tp.iFrequency) &&
               Number(attributes, QLatin1StringView("symbol_rate"), Need::Required, tp.iSymbolRate) &&
               Number(attributes, QLatin1StringView("modulation"), Need::Optional, tp.iModulation);
    case TransponderListKind::Terrestrial:
        return Number(attributes, QLatin1StringView("centre_frequency"), Need::Required, tp.iFrequency) &&
               Number(attributes, QLatin1StringView("bandwidth"), Need::Optional, tp.iBandwidth) &&
               Number(attributes, QLatin1StringView("constellation"), Need::Optional, tp.iModulation);
    }
    return false;
}

std::optional<TransponderList> ListReader::Read()
{
    TransponderList list;
    // Depth of the current element: 1 the root, 2 an entry, 3 a transponder.
    // Other elements are passed over with everything in them.
    int depth = 0;
    QLatin1StringView entryName;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            if (!xml.entityDeclarations().isEmpty() || xml.text().contains(u"<!ENTITY"))
                return Fail(kErrEntities), std::nullopt;
            if (!xml.dtdSystemId().isEmpty() || !xml.dtdPublicId().isEmpty())
                return Fail(kErrOutsideDtd), std::nullopt;
            break;
        case QXmlStreamReader::EntityReference: return Fail(kErrEntity, xml.name().toString()), std::nullopt;
        case QXmlStreamReader::StartElement: {
            const QStringView name = xml.name();
            if (depth == 0) {
                const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                                             [&](const KindNames& k) { return name == QLatin1StringView(k.pszRoot); });
                if (it == kKinds.end())
                    return Fail(kErrRoot, name.toString()), std::nullopt;
                list.kind = kind = it->kind;
                entryName = QLatin1StringView(it->pszEntry);
            } else if (depth == 1 && name == entryName) {
                if (!ReadEntry(list.aEntries.emplace_back()))
                    return std::nullopt;
            } else if (depth == 2 && name == u"transponder") {
                if (!ReadTransponder(list.aEntries.back().aTransponders.emplace_back()))
                    return std::nullopt;
            } else {
                xml.skipCurrentElement();
                break;
            }
            ++depth;
            break;
        }
        case QXmlStreamReader::EndElement: --depth; break;
        default: break;
        }
    }
    if (xml.hasError())
        return Fail(kErrXml, xml.errorString()), std::nullopt;
    return list;
}

} // namespace

std::optional<TransponderList> ReadTransponderList(QByteArrayView bytes, ListError& error)
{
    return ListReader(bytes, error).Read();
}

ListLoad LoadTransponderList(const QString& path)
{
    ListLoad load;
    const FileBytes file = ReadWholeFile(path, kMaxOutsideFileSize);
    if (file.status == ReadStatus::TooLarge) {
        // A refusal of the whole file names no line.
        load.result = LoadResult::NotCorrect;
        load.error = {0, kErrTooLarge, {}};
        return load;
    }
    if (!file.Ok()) {
        load.strReason = ReadFailureReason(file, path);
        return load;
    }
    load.list = ReadTransponderList(file.bytes, load.error);
    load.result = load.list ? LoadResult::Ok : LoadResult::NotCorrect;
    return load;
}
