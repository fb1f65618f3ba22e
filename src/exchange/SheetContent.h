// The text of the exported workbook: one sheet per channel table, a header row
// and one row of eight cells per channel, in table order.
#pragma once

#include "Database.h"

#include <QString>

#include <array>

inline constexpr int kSheetColumns = 8;
using SheetRow = std::array<QString, kSheetColumns>;

inline const QString kSheetNameTv = QStringLiteral("TV Program");
inline const QString kSheetNameRadio = QStringLiteral("Radio Program");
inline const SheetRow kSheetHeader = {
    QStringLiteral("Index"),   QStringLiteral("Service Name"), QStringLiteral("FTA/CAS"), QStringLiteral("Video Type"),
    QStringLiteral("SatName"), QStringLiteral("Tp Freq"),      QStringLiteral("Tp Pol"),  QStringLiteral("Tp Sym")};
// Columns 5 to 8 of a channel on a transponder that is not a satellite's.
inline const QString kSheetCable = QStringLiteral("Cable");
inline const QString kSheetTerrestrial = QStringLiteral("Terrestrial");
inline const QString kSheetIsdbt = QStringLiteral("Isdbt");

inline const QString& SheetName(bool radio) { return radio ? kSheetNameRadio : kSheetNameTv; }

// The row of channel index of that table. Text bytes are shown as Latin-1.
// A channel whose transponder is missing has empty cells 5 to 8.
SheetRow ChannelRow(const Database& db, bool radio, int index);
