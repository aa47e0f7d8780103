#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QLocalServer;
class QLockFile;

// One program per settings file. Two windows editing the same files would overwrite each other's
// saves, so the first program on a settings file holds a lock file beside it and listens under a
// name made from the file's path; a later program on the same file asks it to come to the front
// and ends. The lock of a program that crashed is taken over.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Taken,         // this program runs on the file (also where no lock can be made beside it)
        CameForward,   // another program runs on it and was asked to come to the front
        AnotherSilent, // another program holds it but took no request within the wait
    };

    // `settingsPath`: the settings file (made or not); empty for the registry (Windows).
    explicit SingleInstance(const QString& settingsPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // How long a later program tries to reach the first one.
    std::chrono::milliseconds answerWait{3000};

    Claim claim();
    // The lock file and the name listened under, known once claim() ran.
    QString lockPath() const { return m_lockPath; }
    QString serverName() const { return m_serverName; }

Q_SIGNALS:
    // A later program on the same settings file asked this one to come to the front.
    void activationRequested();

private:
    void listen();
    bool askToComeForward() const;

    QString m_settingsPath;
    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
