#pragma once

#include <QComboBox>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

// The one control of `window` (a descendant, at any depth) with the object name `name` and the
// type T, found as the language files address it. None, or more than one, fails the test and
// throws, which ends it: a test never goes on with the wrong control or a null one.
template <typename T>
T* control(const QObject* window, const QString& name)
{
    const QList<T*> found = window->findChildren<T*>(name);
    if (found.size() == 1)
        return found.first();
    const std::string what = (found.isEmpty() ? "no control named " : "more than one control named ") +
                             name.toStdString() + " in " + window->objectName().toStdString();
    ADD_FAILURE() << what;
    throw std::runtime_error(what);
}

template <typename T>
T* control(const QObject& window, const char* name)
{
    return control<T>(&window, QString::fromLatin1(name));
}
template <typename T>
T* control(const QObject* window, const char* name)
{
    return control<T>(window, QString::fromLatin1(name));
}

// What the user's choice in a list box does: the entry it shows now, taken as chosen.
inline void activate(QComboBox* box)
{
    Q_EMIT box->activated(box->currentIndex());
}
