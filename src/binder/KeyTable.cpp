#include "binder/KeyTable.h"

#include <QStringList>

namespace KeyTable {

const QList<Key>& keyboard()
{
    static const QList<Key> table = {
        {"ESCAPE", "ESCAPE", "Esc", 4, 239, 18, 13},
        {"F1", "F1", "F1", 30, 239, 12, 13},
        {"F2", "F2", "F2", 45, 239, 12, 13},
        {"F3", "F3", "F3", 60, 239, 12, 13},
        {"F4", "F4", "F4", 75, 239, 12, 13},
        {"F5", "F5", "F5", 97, 239, 12, 13},
        {"F6", "F6", "F6", 112, 239, 12, 13},
        {"F7", "F7", "F7", 127, 239, 12, 13},
        {"F8", "F8", "F8", 142, 239, 12, 13},
        {"F9", "F9", "F9", 165, 239, 12, 13},
        {"F10", "F10", "F10", 180, 239, 18, 13},
        {"F11", "F11", "F11", 201, 239, 18, 13},
        {"F12", "F12", "F12", 222, 239, 18, 13},
        {"SCROLLLOCK", "", "", 259, 238, 15, 13},
        {"PAUSE", "PAUSE", "PAUSE", 277, 238, 36, 13},

        {"but14", "`", "`", 5, 258, 18, 13},
        {"but1", "1", "1", 25, 258, 15, 13},
        {"but2", "2", "2", 42, 258, 15, 13},
        {"but3", "3", "3", 59, 258, 15, 13},
        {"but4", "4", "4", 76, 258, 15, 13},
        {"but5", "5", "5", 93, 258, 15, 13},
        {"but6", "6", "6", 110, 258, 15, 13},
        {"but7", "7", "7", 127, 258, 15, 13},
        {"but8", "8", "8", 144, 258, 15, 13},
        {"but9", "9", "9", 161, 258, 15, 13},
        {"but0", "0", "0", 178, 258, 15, 13},
        {"but22", "-", "-", 195, 258, 15, 13},
        {"but21", "=", "=", 212, 258, 15, 13},
        {"BACKSPACE", "BACKSPACE", "BS", 228, 258, 20, 13},
        {"INS", "INS", "INS", 258, 258, 21, 13},
        {"HOME", "HOME", "HM", 281, 258, 17, 13},
        {"PGUP", "PGUP", "PU", 299, 258, 15, 13},
        {"NUMLOCK", "", "NL", 327, 258, 15, 13},
        {"KP_SLASH", "KP_SLASH", "/", 344, 258, 15, 13},
        {"but23", "*", "*", 361, 258, 15, 13},
        {"but11", "KP_MINUS", "-", 378, 258, 15, 13},

        {"TAB", "TAB", "TAB", 5, 273, 21, 13},
        {"q", "q", "Q", 34, 273, 14, 13},
        {"w", "w", "W", 49, 273, 17, 13},
        {"e", "e", "E", 67, 273, 13, 13},
        {"r", "r", "R", 81, 273, 14, 13},
        {"t", "t", "T", 96, 273, 13, 13},
        {"y", "y", "Y", 110, 273, 13, 13},
        {"u", "u", "U", 124, 273, 14, 13},
        {"i", "i", "I", 139, 273, 12, 13},
        {"o", "o", "O", 152, 273, 14, 13},
        {"p", "p", "P", 167, 273, 13, 13},
        {"but12", "[", "[", 181, 273, 12, 13},
        {"but13", "]", "]", 194, 273, 12, 13},
        {"but24", "\\", "\\", 208, 273, 40, 13},
        {"DEL", "DEL", "DEL", 258, 273, 21, 13},
        {"but15", "END", "EN", 281, 273, 15, 13},
        {"PGDN", "PGDN", "PD", 299, 273, 15, 13},
        {"KP_HOME", "KP_HOME", "7", 327, 273, 15, 13},
        {"KP_UPARROW", "KP_UPARROW", "8", 344, 273, 15, 13},
        {"KP_PGUP", "KP_PGUP", "9", 361, 273, 15, 13},
        {"but10", "KP_PLUS", "+", 378, 273, 15, 26},

        {"CAPSLOCK", "CAPSLOCK", "CAPS", 5, 288, 27, 13},
        {"a", "a", "A", 33, 288, 16, 13},
        {"s", "s", "S", 50, 288, 13, 13},
        {"d", "d", "D", 64, 288, 14, 13},
        {"f", "f", "F", 79, 288, 15, 13},
        {"g", "g", "G", 95, 288, 14, 13},
        {"h", "h", "H", 110, 288, 17, 13},
        {"j", "j", "J", 128, 288, 14, 13},
        {"k", "k", "K", 143, 288, 16, 13},
        {"l", "l", "L", 160, 288, 15, 13},
        {"but17", "SEMICOLON", ";", 176, 288, 15, 13},
        {"but16", "'", "'", 192, 288, 14, 13},
        {"ENTER", "ENTER", "ENTER", 208, 288, 40, 13},
        {"KP_LEFTARROW", "KP_LEFTARROW", "4", 327, 288, 15, 13},
        {"KP_5", "KP_5", "5", 344, 288, 15, 13},
        {"KP_RIGHTARROW", "KP_RIGHTARROW", "6", 361, 288, 15, 13},

        {"SHIFT", "SHIFT", "SHIFT", 5, 303, 37, 13},
        {"z", "z", "Z", 44, 303, 13, 13},
        {"x", "x", "X", 59, 303, 13, 13},
        {"c", "c", "C", 74, 303, 13, 13},
        {"v", "v", "V", 89, 303, 13, 13},
        {"b", "b", "B", 104, 303, 13, 13},
        {"n", "n", "N", 119, 303, 14, 13},
        {"m", "m", "M", 135, 303, 15, 13},
        {"but18", ",", ",", 152, 303, 12, 13},
        {"but19", ".", ".", 166, 303, 12, 13},
        {"but20", "/", "/", 180, 303, 14, 13},
        {"RSHIFT", "SHIFT", "SHIFT", 196, 303, 52, 13},
        {"UPARROW", "UPARROW", "UP", 281, 302, 15, 13},
        {"KP_END", "KP_END", "1", 327, 303, 15, 13},
        {"KP_DOWNARROW", "KP_DOWNARROW", "2", 344, 303, 15, 13},
        {"KP_PGDN", "KP_PGDN", "3", 361, 303, 15, 13},
        {"KP_ENTER", "KP_ENTER", "\xe2\x86\xb5", 378, 303, 15, 26},

        {"CTRL", "CTRL", "CTRL", 5, 318, 31, 13},
        {"ALT", "ALT", "ALT", 43, 318, 20, 13},
        {"SPACE", "SPACE", "SPACE", 67, 318, 119, 13},
        {"RALT", "ALT", "ALT", 192, 318, 20, 13},
        {"RCTRL", "CTRL", "CTRL", 220, 318, 28, 13},
        {"LEFTARROW", "LEFTARROW", "<<", 266, 318, 12, 13},
        {"DOWNARROW", "DOWNARROW", "DN", 281, 318, 16, 13},
        {"RIGHTARROW", "RIGHTARROW", ">>", 300, 318, 12, 13},
        {"KP_INS", "KP_INS", "0", 327, 318, 30, 13},
        {"KP_DEL", "KP_DEL", ".", 361, 318, 15, 13},
    };
    return table;
}

const QList<MouseKey>& mouseImages()
{
    static const QList<MouseKey> table = {
        {"m1", "MOUSE3", 424, 255, 17, 25},
        {"m41", "MOUSE4", 405, 285, 7, 16},
        {"m51", "MOUSE5", 405, 301, 7, 16},
        {"scrollup", "MWHEELUP", 469, 239, 14, 7},
        {"scrolldown", "MWHEELDOWN", 469, 289, 14, 7},
    };
    return table;
}

const QList<MouseKey>& mouseOverlays()
{
    static const QList<MouseKey> table = {
        {"MOUSE1", "MOUSE1", 405, 254, 28, 29},        {"MOUSE2", "MOUSE2", 433, 254, 27, 29},
        {"MOUSE3", "MOUSE3", 424, 254, 17, 26},        {"MOUSE4", "MOUSE4", 405, 286, 7, 16},
        {"MOUSE5", "MOUSE5", 405, 302, 6, 14},         {"MWHEELUP", "MWHEELUP", 469, 238, 14, 8},
        {"MWHEELDOWN", "MWHEELDOWN", 469, 289, 14, 7},
    };
    return table;
}

QStringList bindableKeys(int mouseButtons)
{
    QStringList keys;
    for (const Key& k : keyboard()) {
        const QString key = QString::fromLatin1(k.key);
        if (!k.inert() && !keys.contains(key))
            keys << key;
    }
    keys << QStringLiteral("MOUSE1") << QStringLiteral("MOUSE2") << QStringLiteral("MOUSE3");
    if (mouseButtons >= 4)
        keys << QStringLiteral("MOUSE4");
    if (mouseButtons >= 5)
        keys << QStringLiteral("MOUSE5");
    keys << QStringLiteral("MWHEELUP") << QStringLiteral("MWHEELDOWN");
    return keys;
}

} // namespace KeyTable
