#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

// Keeps one running copy of the program per user. The first copy holds a lock
// file and listens on a local socket named after the guard; a later copy hands
// its file argument to the first one over the socket and is told to exit.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Returns true when this process is the first copy (and starts listening);
    // false when another copy runs, after sending it argument (may be empty).
    // A lock left by a process that has ended is taken over. When the lock is
    // held by a live process that does not answer on the socket within about two
    // seconds, this copy still returns false: two copies writing the same
    // settings and report would do more harm than a start that is refused.
    bool claim(const QString &argument);

signals:
    // A later copy asked this one to open a file (empty when it named none).
    void fileRequested(const QString &file);

private:
    void onNewConnection();

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
