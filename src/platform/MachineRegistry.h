#pragma once

#include <QString>

// Read-only access to the machine's registry (the game's uninstall entry, Steam's install
// path). Outside Windows there is no such registry and every value reads as empty.
class MachineRegistry {
public:
    enum class Root { LocalMachine, CurrentUser };

    virtual ~MachineRegistry() = default;
    // The string value `name` of `key` under `root`; empty when the key or value is missing.
    // Never creates or changes anything.
    virtual QString readString(Root root, const QString& key, const QString& name) const = 0;
};

// The real registry on Windows; empty answers elsewhere.
class NativeMachineRegistry final : public MachineRegistry {
public:
    QString readString(Root root, const QString& key, const QString& name) const override;
};
