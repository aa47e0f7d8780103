#pragma once

#include "platform/FileCopy.h"
#include "platform/MachineRegistry.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QMap>
#include <QStringList>

// Settings kept in memory, with every write counted.
class MemorySettings final : public SettingsStore {
public:
    QString readText(const QString& name) override { return values.value(name); }
    bool writeText(const QString& name, const QString& value, QString* = nullptr) override
    {
        values[name] = value;
        ++writes;
        return true;
    }
    QMap<QString, QString> values;
    int writes = 0;
};

// A machine registry holding only what a test puts in it.
class FakeRegistry final : public MachineRegistry {
public:
    QString readString(Root root, const QString& key, const QString& name) const override
    {
        return values.value(QString::number(int(root)) + QLatin1Char('|') + key + QLatin1Char('|') + name);
    }
    void set(Root root, const QString& key, const QString& name, const QString& value)
    {
        values[QString::number(int(root)) + QLatin1Char('|') + key + QLatin1Char('|') + name] = value;
    }
    QMap<QString, QString> values;
};

// A shell that records what it was asked to open or start and copies files for real.
class FakeShell final : public Shell {
public:
    void open(const QString& fileOrUrl, std::function<void()> failed) override
    {
        opened << fileOrUrl;
        if (openFails && failed)
            failed();
    }
    bool start(const QString& path) override
    {
        started << path;
        return !startFails;
    }
    bool CopyFileToFolder(const QString& source, const QString& folder, QString* error) override
    {
        return FileCopy::copyIntoFolder(source, folder, error);
    }
    QStringList opened;
    QStringList started;
    bool startFails = false; // as for a program the system cannot run
    bool openFails = false;  // as on a desktop with no program for the file's type
};
