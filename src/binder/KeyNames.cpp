#include "binder/KeyNames.h"

namespace KeyNames {

namespace {

// Named keys in the game's spelling; every other key is a single character.
const QStringList& namedKeys()
{
    static const QStringList keys = [] {
        QStringList k = {
            QStringLiteral("TAB"),       QStringLiteral("ENTER"),     QStringLiteral("ESCAPE"),
            QStringLiteral("SPACE"),     QStringLiteral("BACKSPACE"), QStringLiteral("UPARROW"),
            QStringLiteral("DOWNARROW"), QStringLiteral("LEFTARROW"), QStringLiteral("RIGHTARROW"),
            QStringLiteral("ALT"),       QStringLiteral("CTRL"),      QStringLiteral("SHIFT"),
        };
        for (int i = 1; i <= 12; ++i)
            k << QStringLiteral("F%1").arg(i);
        k << QStringLiteral("INS") << QStringLiteral("DEL") << QStringLiteral("PGDN") << QStringLiteral("PGUP")
          << QStringLiteral("HOME") << QStringLiteral("END") << QStringLiteral("PAUSE") << QStringLiteral("CAPSLOCK");
        for (int i = 1; i <= 5; ++i)
            k << QStringLiteral("MOUSE%1").arg(i);
        k << QStringLiteral("MWHEELUP") << QStringLiteral("MWHEELDOWN") << QStringLiteral("KP_HOME")
          << QStringLiteral("KP_UPARROW") << QStringLiteral("KP_PGUP") << QStringLiteral("KP_LEFTARROW")
          << QStringLiteral("KP_5") << QStringLiteral("KP_RIGHTARROW") << QStringLiteral("KP_END")
          << QStringLiteral("KP_DOWNARROW") << QStringLiteral("KP_PGDN") << QStringLiteral("KP_ENTER")
          << QStringLiteral("KP_INS") << QStringLiteral("KP_DEL") << QStringLiteral("KP_SLASH")
          << QStringLiteral("KP_MINUS") << QStringLiteral("KP_PLUS") << QStringLiteral("SEMICOLON");
        return k;
    }();
    return keys;
}

// Single-character keys other than letters and digits; `;` is SEMICOLON.
constexpr char Punctuation[] = "`-=[]\\',./*";

struct Spelled {
    char c;
    const char* word;
};

// Punctuation spelled out in alias names: a `;` or a quote in a name would split the command.
constexpr Spelled SpelledOut[] = {
    {'`', "BACKQUOTE"},   {'-', "MINUS"}, {'=', "EQUALS"}, {'[', "LBRACKET"}, {']', "RBRACKET"}, {'\\', "BACKSLASH"},
    {'\'', "APOSTROPHE"}, {',', "COMMA"}, {'.', "PERIOD"}, {'/', "SLASH"},    {'*', "STAR"},
};

} // namespace

QString canonical(const QString& name)
{
    if (name.size() == 1) {
        const QChar c = name.front();
        if (c == QLatin1Char(';'))
            return QStringLiteral("SEMICOLON");
        if (c == QLatin1Char('~'))
            return QStringLiteral("`");
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z'))
            return QString(c.toLower());
        if ((u >= '0' && u <= '9') || QLatin1String(Punctuation).contains(c))
            return QString(c);
        return {};
    }
    for (const QString& key : namedKeys()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return {};
}

bool isKnown(const QString& name)
{
    return !canonical(name).isEmpty();
}

bool sameKey(const QString& a, const QString& b)
{
    const QString ca = canonical(a);
    const QString cb = canonical(b);
    if (ca.isEmpty() || cb.isEmpty())
        return ca.isEmpty() && cb.isEmpty() && !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
    return ca == cb;
}

QString aliasFor(const QString& key)
{
    const QString c = canonical(key);
    if (c.isEmpty())
        return {};
    QString name = QStringLiteral("QVL_");
    if (c.size() == 1) {
        for (const Spelled& s : SpelledOut) {
            if (c.front() == QLatin1Char(s.c))
                return name + QLatin1String(s.word);
        }
    }
    return name + c;
}

const QStringList& all()
{
    static const QStringList keys = [] {
        QStringList k = namedKeys();
        for (char c = 'a'; c <= 'z'; ++c)
            k << QString(QLatin1Char(c));
        for (char c = '0'; c <= '9'; ++c)
            k << QString(QLatin1Char(c));
        for (const char* p = Punctuation; *p; ++p)
            k << QString(QLatin1Char(*p));
        return k;
    }();
    return keys;
}

} // namespace KeyNames
