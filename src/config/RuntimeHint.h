#pragma once

#include <QObject>
#include <QVariant>

// A tool tip the program sets while it runs (a bound command, a field's error, a status text cut
// short) is no text of the interface: the form translator neither exports it to the template nor
// replaces it from a language file.
namespace RuntimeHint {

inline constexpr const char* Property = "qvlRuntimeHint";

inline void mark(QObject* object)
{
    object->setProperty(Property, true);
}

inline bool isMarked(const QObject* object)
{
    return object->property(Property).toBool();
}

} // namespace RuntimeHint
