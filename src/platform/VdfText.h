#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// Valve's key-value text format, as Steam writes libraryfolders.vdf: quoted (or bare) keys,
// each followed by a quoted value or a braced block; `//` comments; `\\` and `\"` escapes.
// A damaged text gives what could be read before the damage, never a crash.
namespace VdfText {

struct Node {
    QString key;
    QString value;        // for a key with a text value
    QList<Node> children; // for a key with a block
    bool isBlock = false;

    // The first child whose key equals `name` without regard to case, or nullptr.
    const Node* child(const QString& name) const;
};

// The top-level entries of a text.
QList<Node> parse(const QByteArray& text);

} // namespace VdfText
