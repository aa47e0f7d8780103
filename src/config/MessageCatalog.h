#pragma once

#include "config/MessageKeys.h"

#include <QList>
#include <QString>

#include <utility>

// The program's messages in the interface language: one text per key, in the order of the
// English table, each English until a language file gives it another.
class MessageCatalog final {
public:
    MessageCatalog();

    // The text of `key`. Every constant of Msg has one; looking up any other key is a fault of
    // the program (an assertion in debug builds, the key itself otherwise, never a blank box).
    QString text(MessageKey key) const;
    // The text of the key spelled `key` (the file errors name theirs so), empty for an unknown key.
    QString text(const QString& key) const;

    // Gives `key` (matched without regard to case, as language files match names) the text
    // `text`. An unknown key or an empty text changes nothing and returns false.
    bool setText(const QString& key, const QString& text);
    void resetToEnglish();

    // Every key with its text now, in the table's order.
    const QList<std::pair<QString, QString>>& entries() const { return m_texts; }

private:
    qsizetype indexOf(QStringView key, Qt::CaseSensitivity cs) const;

    QList<std::pair<QString, QString>> m_texts;
};
