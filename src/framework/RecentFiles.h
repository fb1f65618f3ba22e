// The recently-used file list, kept in the application's settings as the
// group "Recent File List" with the keys "File1" to "File4", newest first.
#pragma once

#include <QSettings>
#include <QStringList>

inline const QString kSettingsOrganisation = QStringLiteral("Local AppWizard-Generated Applications");
inline const QString kSettingsApplication = QStringLiteral("EditZarn");

class RecentFileList {
public:
    static constexpr int kSize = 4;

    void Load(QSettings& settings);
    // Replaces the whole group, so entries dropped since loading are gone.
    void Save(QSettings& settings) const;

    // Puts path (made absolute) first; an older entry for it and any entry
    // beyond the list size are dropped.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Files() const { return strFiles; }

private:
    QStringList strFiles;
};
