#include "keys/KeyNames.h"

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

struct Spelled {
    char c;
    const char* word;
};

// Characters spelled out in alias names: a `;` or a quote in a name would split the command,
// and the others would make names no one can read.
constexpr Spelled SpelledOut[] = {
    {'`', "BACKQUOTE"},  {'-', "MINUS"},       {'=', "EQUALS"},    {'[', "LBRACKET"}, {']', "RBRACKET"},
    {'\\', "BACKSLASH"}, {'\'', "APOSTROPHE"}, {',', "COMMA"},     {'.', "PERIOD"},   {'/', "SLASH"},
    {'*', "STAR"},       {'+', "PLUS"},        {'~', "TILDE"},     {'!', "EXCLAIM"},  {'#', "HASH"},
    {'$', "DOLLAR"},     {'%', "PERCENT"},     {'&', "AMPERSAND"}, {'(', "LPAREN"},   {')', "RPAREN"},
    {':', "COLON"},      {'<', "LESS"},        {'>', "GREATER"},   {'?', "QUESTION"}, {'@', "AT"},
    {'^', "CARET"},      {'_', "UNDERSCORE"},  {'{', "LBRACE"},    {'|', "BAR"},      {'}', "RBRACE"},
};

// The single characters of a US keyboard other than letters and digits; `;` is SEMICOLON.
constexpr char UsPunctuation[] = "`-=[]\\',./*";

} // namespace

QString canonical(const QString& name)
{
    if (name.size() == 1) {
        const QChar c = name.front();
        if (c == QLatin1Char(';'))
            return QStringLiteral("SEMICOLON");
        // A blank, a control byte or a quote is never a token of its own; a character that is
        // more than one byte in the local encoding is no single key to the game.
        if (c.unicode() <= 0x20 || c == QLatin1Char('"') || c.unicode() == 0x7f || name.toLocal8Bit().size() != 1)
            return {};
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            return QString(c.toLower());
        return name;
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
    const QString name = QStringLiteral("QVL_");
    if (c.size() > 1)
        return name + c;
    const char16_t u = c.front().unicode();
    if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
        return name + c;
    for (const Spelled& s : SpelledOut) {
        if (u == static_cast<char16_t>(s.c))
            return name + QLatin1String(s.word);
    }
    // Any other character by its byte in the local encoding: QVL_CHAR_FC.
    const auto byte = static_cast<unsigned char>(c.toLocal8Bit().front());
    return name + QStringLiteral("CHAR_%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

const QStringList& all()
{
    static const QStringList keys = [] {
        QStringList k = namedKeys();
        for (char c = 'a'; c <= 'z'; ++c)
            k << QString(QLatin1Char(c));
        for (char c = '0'; c <= '9'; ++c)
            k << QString(QLatin1Char(c));
        for (const char* p = UsPunctuation; *p; ++p)
            k << QString(QLatin1Char(*p));
        return k;
    }();
    return keys;
}

} // namespace KeyNames
