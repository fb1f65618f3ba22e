// The file operations a save is made of. The disk medium does them for real;
// tests substitute one that fails or corrupts at a chosen step.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class IFileMedium {
public:
    virtual ~IFileMedium() = default;

    virtual bool Exists(const QString& path) = 0;
    virtual std::optional<QByteArray> Read(const QString& path) = 0;
    // Writes bytes to a new file beside target, flushed to the disk, with
    // target's permissions when it exists; returns that file's path, or an
    // empty text when any step fails (nothing is left behind then).
    virtual QString WriteTemporary(const QString& target, const QByteArray& bytes) = 0;
    // Puts from in place of to in one step (to may exist) and makes the
    // change durable.
    virtual bool Replace(const QString& from, const QString& to) = 0;
    virtual void Remove(const QString& path) = 0;
};

class DiskMedium : public IFileMedium {
public:
    bool Exists(const QString& path) override;
    std::optional<QByteArray> Read(const QString& path) override;
    QString WriteTemporary(const QString& target, const QByteArray& bytes) override;
    bool Replace(const QString& from, const QString& to) override;
    void Remove(const QString& path) override;
};
