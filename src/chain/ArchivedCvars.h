#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

// The variables the game keeps in config.cfg when it rewrites the file at exit (the "archived"
// ones). The program ships their names in its data folder, one name a line.
class ArchivedCvars final {
public:
    // Where the list lies in the program's data folder (see ProgramFolder::findDataDir).
    static QString pathIn(const QString& dataDir);

    // Reads the list; blank lines and `//` lines are skipped. On failure the list stays as it was.
    bool load(const QString& path, QString* error);

    // Compared as the game compares variable names: without regard to case.
    bool contains(QByteArrayView name) const;
    qsizetype count() const { return m_names.size(); }

private:
    QSet<QByteArray> m_names; // lower case
};
