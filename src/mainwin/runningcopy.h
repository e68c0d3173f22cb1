#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace orlavine {

/// The one running copy of the program on a program folder. Two copies on one folder
/// would both write the pupil's records; the second start finds the folder taken, asks the
/// running copy to come to the front and ends without touching a file.
class RunningCopy : public QObject {
    Q_OBJECT
  public:
    /// Takes `folder` for this process (the lock file `orlavine.lock` in it; a lock left
    /// by a copy that no longer runs is taken over) and listens for later starts. Returns
    /// null when another copy runs on the folder; `toldRunningCopy` is then true when that
    /// copy was asked to come to the front.
    static std::unique_ptr<RunningCopy> Claim(const QString& folder, bool* toldRunningCopy);

    ~RunningCopy() override;

  signals:
    /// A later start on the same folder asked this copy to show its window.
    void frontRequested();

  private:
    explicit RunningCopy(const QString& folder);

    QLockFile m_lock;
    QLocalServer* m_server;
};

} // namespace orlavine
