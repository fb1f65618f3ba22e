// The command behind the tree's transponder-list entries and File > "Import
// Transponder List…": asks for the list file, reads it, shows the dialog
// and takes the checked entries on OK as one editing step.
#pragma once

#include "DialogButtons.h"
#include "TransponderList.h"
#include "TrText.h"

#include <QString>

#include <optional>

class CEditZarnDoc;
class QWidget;

inline constexpr TrText kMenuAddSatellitesFromList{
    "TransponderListCommand", QT_TRANSLATE_NOOP("TransponderListCommand", "Add Satellites from satellites.xml…")};
inline constexpr TrText kMenuUpdateFromList{
    "TransponderListCommand", QT_TRANSLATE_NOOP("TransponderListCommand", "Update Transponders from satellites.xml…")};
inline constexpr TrText kMenuAddFromCables{
    "TransponderListCommand", QT_TRANSLATE_NOOP("TransponderListCommand", "Add Transponders from cables.xml…")};
inline constexpr TrText kMenuAddFromTerrestrial{
    "TransponderListCommand", QT_TRANSLATE_NOOP("TransponderListCommand", "Add Transponders from terrestrial.xml…")};
// The editing step, the file dialog's and the list dialog's title.
inline constexpr TrText kActionImportTransponderList{
    "TransponderListCommand", QT_TRANSLATE_NOOP("TransponderListCommand", "Import Transponder List")};
inline constexpr TrText kFilterTransponderList{
    "TransponderListCommand",
    QT_TRANSLATE_NOOP("TransponderListCommand", "Transponder Lists (*.xml)|*.xml|All Files (*.*)|*.*||")};
inline constexpr TrText kMsgListNotCorrect{
    "TransponderListCommand",
    QT_TRANSLATE_NOOP("TransponderListCommand", "This file is not a correct transponder list.")};
inline constexpr TrText kMsgListKind{"TransponderListCommand",
                                     QT_TRANSLATE_NOOP("TransponderListCommand", "This file is not a %1 list.")};
inline constexpr TrText kMsgListIsKind{"TransponderListCommand",
                                       QT_TRANSLATE_NOOP("TransponderListCommand", "It is a %1 list.")};
inline constexpr TrText kMsgListBranch{
    "TransponderListCommand",
    QT_TRANSLATE_NOOP("TransponderListCommand", "A %1 list cannot be used on this database.")};
inline constexpr TrText kReasonNoCable{
    "TransponderListCommand",
    QT_TRANSLATE_NOOP("TransponderListCommand", "It holds no cable channels, so the tree shows no Cable branch.")};
inline constexpr TrText kReasonNoTerrestrial{
    "TransponderListCommand",
    QT_TRANSLATE_NOOP("TransponderListCommand",
                      "It holds no terrestrial channels, so the tree shows no Terrestrial branch.")};

// Which list a command asks for: a kind, or any of the three (told apart by
// the root element); the satellite whose entry the dialog starts on.
struct TransponderListRequest {
    std::optional<TransponderListKind> kind;
    int iSatellite = -1;
};

class TransponderListCommand {
public:
    // True when the database changed; the status bar gets the totals either way.
    bool Run(CEditZarnDoc& doc, const TransponderListRequest& request, const DialogRunner& runDialog,
             QWidget* pParent);

private:
    // The last list chosen: the next file dialog starts in its folder.
    QString strLastList;
};
