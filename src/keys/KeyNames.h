#pragma once

#include <QString>
#include <QStringList>

// The key names of the game's `bind` command. The game matches names longer than one character
// without regard to case, knows `;` only as SEMICOLON, and takes any other single character as a
// key of its own (`+`, `~` and `\` among them). Everything here speaks its spelling: named keys
// in upper case, letters in lower case, other single characters as they are.
namespace KeyNames {

// The game's spelling of `name`, or the empty text when the game knows no such key:
// "escape" -> "ESCAPE", "Q" -> "q", ";" -> "SEMICOLON", "~" -> "~", "ESC" -> "".
QString canonical(const QString& name);

bool isKnown(const QString& name);

// Whether two names stand for the same key. Names the game does not know are the same when
// their texts are, without regard to case.
bool sameKey(const QString& a, const QString& b);

// The composer's alias for a key: QVL_ and the key for keys of letters, digits and `_`
// (QVL_F2, QVL_q), the key spelled out for other characters (QVL_MINUS, QVL_TILDE), so that
// the alias name never holds a `;` or a quote. Empty for a key the game does not know.
QString aliasFor(const QString& key);

// The named keys and the single characters a US keyboard sends, each once, in the game's
// spelling.
const QStringList& all();

} // namespace KeyNames
