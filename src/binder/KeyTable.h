#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// The keyboard and mouse picture of the Binder page, as data: where each key is drawn and which
// of the game's key names it stands for.
namespace KeyTable {

struct Key {
    const char* name;    // the label's object name
    const char* key;     // the game's spelling of the key; empty for a label that pictures no key
    const char* caption; // what the label shows, UTF-8
    int left;
    int top;
    int width;
    int height;

    bool inert() const { return key[0] == '\0'; }
    QRect rect() const { return QRect(left, top, width, height); }
};

// Every label of the keyboard, in reading order (rows from the top, left to right). The right
// SHIFT, ALT and CTRL share their key with the left ones.
const QList<Key>& keyboard();

// A mouse image that stands for one key: an unused-button image, a wheel arrow or a used-button
// overlay.
struct MouseKey {
    const char* name;
    const char* key;
    int left;
    int top;
    int width;
    int height;

    QRect rect() const { return QRect(left, top, width, height); }
};

// The unused-button images and the wheel's arrows, which select their key when clicked.
const QList<MouseKey>& mouseImages();
// The used-button overlays, one per mouse key, shown while the key is bound.
const QList<MouseKey>& mouseOverlays();

// The keys the page offers for binding, each once, in keyboard order: every key of the
// keyboard, then the mouse's buttons for `mouseButtons` buttons (at least three) and its wheel.
QStringList bindableKeys(int mouseButtons);

} // namespace KeyTable
