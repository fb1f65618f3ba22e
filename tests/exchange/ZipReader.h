// Reads the members of a zip archive (an .xlsx workbook) from memory, through
// its central directory; stored and deflated members only.
#pragma once

#include <QByteArray>

#include <map>
#include <string>

// Member name to contents; empty when the bytes are no readable archive.
std::map<std::string, QByteArray> ReadZipMembers(const QByteArray& zip);
