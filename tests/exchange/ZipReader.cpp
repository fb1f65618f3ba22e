#include "ZipReader.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace {

uint32_t Le(const QByteArray& b, qsizetype pos, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | uint8_t(b[pos + i]);
    return v;
}

bool Inflate(const char* data, uint32_t size, uint32_t expected, QByteArray& out)
{
    out.resize(qsizetype(expected));
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
        return false;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    zs.avail_in = size;
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = expected;
    const int rc = inflate(&zs, Z_FINISH);
    inflateEnd(&zs);
    return rc == Z_STREAM_END && zs.total_out == expected;
}

} // namespace

std::map<std::string, QByteArray> ReadZipMembers(const QByteArray& zip)
{
    std::map<std::string, QByteArray> members;
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return {};
    qsizetype pos = qsizetype(Le(zip, end + 16, 4));
    const uint32_t count = Le(zip, end + 10, 2);
    for (uint32_t i = 0; i < count; ++i) {
        if (pos + 46 > zip.size() || Le(zip, pos, 4) != 0x02014b50)
            return {};
        const uint32_t method = Le(zip, pos + 10, 2), packed = Le(zip, pos + 20, 4), size = Le(zip, pos + 24, 4);
        const uint32_t nameLen = Le(zip, pos + 28, 2), extraLen = Le(zip, pos + 30, 2),
                       commentLen = Le(zip, pos + 32, 2);
        const qsizetype local = qsizetype(Le(zip, pos + 42, 4));
        const std::string name(zip.constData() + pos + 46, nameLen);
        pos += 46 + nameLen + extraLen + commentLen;
        if (local + 30 > zip.size())
            return {};
        const qsizetype data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
        if (data + packed > zip.size())
            return {};
        QByteArray contents;
        if (method == 0)
            contents = zip.mid(data, packed);
        else if (method != 8 || !Inflate(zip.constData() + data, packed, size, contents))
            return {};
        members[name] = contents;
    }
    return members;
}
