#pragma once

#include <QIODevice>
#include <QStringList>

/// A folder that fails on purpose: read-only, or on a tiny file system that fills up,
/// or with a file that cannot be replaced. Built from tmpfs mounts, so it needs root
/// (or a user namespace); available() is false elsewhere and the test skips.
class FaultyFolder {
public:
    enum Kind { ReadOnly, Tiny };
    /// Mounts a fresh tmpfs (of `bytes` size for Tiny) at a new temporary folder.
    explicit FaultyFolder(Kind kind, int bytes = 64 * 1024);
    ~FaultyFolder();

    bool available() const { return m_mounted; }
    QString path() const { return m_path; }

    /// Makes the mounted folder read-only after files were put in it.
    bool makeReadOnly();
    /// Makes the mounted folder writable again.
    bool makeWritable();

    /// Pins `file` (which must exist) so that renaming over it fails: another file is
    /// bind-mounted on it. The file keeps its content.
    bool pin(const QString& file);

private:
    QString m_path;
    QStringList m_pins;
    bool m_mounted = false;
};

/// A device that fails on purpose: it gives `bytes`, then every further read fails as a
/// disk that cannot be read does, and every write fails as a full disk does.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(const QByteArray& bytes) : m_bytes(bytes) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
};
