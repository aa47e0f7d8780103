#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <functional>

// A line that sets one of the working file's settings again in a file the game runs after it:
// its value is the one the game keeps.
struct LaterSetting {
    QString file; // relative to the game folder
    int line = 0; // 1-based
    QByteArray value;
};

// The working file's settings that a file the game runs later sets again, by name.
class LaterSettings final {
public:
    // A setting's name as the pages and the store write it (`rate`, `setinfo "_ah"`) in the
    // form kept here: its tokens in lower case, one blank apart ("setinfo _ah").
    static QByteArray key(QByteArrayView name);

    void insert(QByteArrayView name, const LaterSetting& setting) { m_settings.insert(key(name), setting); }
    // Null when no later file sets `name`.
    const LaterSetting* find(QByteArrayView name) const;

private:
    QHash<QByteArray, LaterSetting> m_settings;
};

// What the files of the game folder `folder` set after the working file `file` (a bare name).
using LaterSettingsSource = std::function<LaterSettings(const QString& folder, const QString& file)>;
