#pragma once

#include "binder/ChainKeys.h"

#include <QColor>
#include <QWidget>

// One key of the Binder page's keyboard picture: a small framed box with the key's legend,
// filled white while the key is free, teal while the working file binds it, amber while another
// file of the game's start chain binds it, and pale teal with its legend struck through while
// the working file binds it but a file the game runs later binds or clears it again. The page
// sets the hint. The legend is the key's own, the same in every language, so it is painted
// rather than offered to the translator.
class KeyLabel final : public QWidget {
    Q_OBJECT
public:
    // What the picture shows of the key (the dynamic property "mark" holds its name too).
    using Mark = KeyStanding::State;
    // The fill of a key so marked; a free key is white.
    static QColor fill(Mark mark);

    KeyLabel(const QString& name, const QString& key, const QString& caption, QWidget* parent);

    // The game's spelling of the key; empty for a label that pictures no key.
    const QString& key() const { return m_key; }
    const QString& caption() const { return m_caption; }
    bool inert() const { return m_key.isEmpty(); }

    Mark mark() const { return m_mark; }
    void setMark(Mark mark);
    // Whether the working file binds the key (in effect or not).
    bool used() const { return m_mark == Mark::Here || m_mark == Mark::Replaced; }
    // The mark's name: "free", "here", "elsewhere", "replaced".
    static const char* markName(Mark mark);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_key;
    QString m_caption;
    Mark m_mark = Mark::Free;
    bool m_pressed = false;
};
