#pragma once
#include "platform/ProgramVersion.h"

#include <QByteArray>
#include <QString>

// File attributes as Windows has them; a file system without one of them never reports it.
namespace FileAttribute {
constexpr int Normal = 0;
constexpr int ReadOnly = 1;
constexpr int Hidden = 2;
constexpr int System = 4;
constexpr int Archive = 32;
} // namespace FileAttribute

// What the visual-styles manifest needs from the system: the executable's identity and a few
// file operations. An operation that fails says so in its result and never throws.
class ManifestPlatform {
public:
    virtual ~ManifestPlatform();

    // Loads the themed common controls; nothing to do where there are none.
    virtual void initCommonControls() = 0;

    virtual QString executableFolder() const = 0;
    // The executable's file name without its extension.
    virtual QString executableName() const = 0;
    // The numbers and the file description of the executable's version resource.
    virtual ProgramVersion executableVersion() const = 0;
    virtual QString fileDescription() const = 0;
    // The arguments the process was started with, as one text, exactly as received.
    virtual QString commandLineArguments() const = 0;

    // The file's name when `path` is a file and each of its hidden and system attributes is in
    // `attributeMask`; empty otherwise, and when the look-up fails.
    virtual QString findFile(const QString& path, int attributeMask) const = 0;
    virtual bool setAttributes(const QString& path, int attributes) = 0;
    virtual bool deleteFile(const QString& path) = 0;
    virtual bool writeFile(const QString& path, const QByteArray& bytes) = 0;
    // The whole file; empty when it cannot be read.
    virtual QByteArray readFile(const QString& path) const = 0;
};

// The operating system's own, one implementation per system.
class SystemManifestPlatform : public ManifestPlatform {
public:
    void initCommonControls() override;
    QString executableFolder() const override;
    QString executableName() const override;
    ProgramVersion executableVersion() const override;
    QString fileDescription() const override;
    QString commandLineArguments() const override;
    QString findFile(const QString& path, int attributeMask) const override;
    bool setAttributes(const QString& path, int attributes) override;
    bool deleteFile(const QString& path) override;
    bool writeFile(const QString& path, const QByteArray& bytes) override;
    QByteArray readFile(const QString& path) const override;
};
