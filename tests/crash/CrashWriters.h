#pragma once

#include <QByteArray>
#include <QString>

// The file writers whose saves must survive the program being killed at any moment, and two
// different complete versions of what each writes. Shared by the writer child and the test.
namespace CrashWriters {

enum class Writer { Store, Ini, Language, Settings, InPlace };

// The name on the child's command line ("store", "ini", ...), and back; false for an unknown name.
QString name(Writer writer);
bool fromName(const QString& name, Writer* writer);

// The file the writer replaces inside `dir`.
QString target(Writer writer, const QString& dir);

// Writes version `which` (0 or 1) through the writer, as the program does.
bool write(Writer writer, const QString& dir, int which, QString* error);

} // namespace CrashWriters
