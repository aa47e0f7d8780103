#pragma once

#include <QColor>
#include <QWidget>

// One key of the Binder page's keyboard picture: a small framed box with the key's legend,
// filled white while the key is free and teal while the working file binds it. The hint shows
// the bound command. The legend is the key's own, the same in every language, so it is painted
// rather than offered to the translator.
class KeyLabel final : public QWidget {
    Q_OBJECT
public:
    static const QColor UsedColor;
    static const QColor UnusedColor;

    KeyLabel(const QString& name, const QString& key, const QString& caption, QWidget* parent);

    // The game's spelling of the key; empty for a label that pictures no key.
    const QString& key() const { return m_key; }
    const QString& caption() const { return m_caption; }
    bool inert() const { return m_key.isEmpty(); }

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    bool used() const { return m_color == UsedColor; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_key;
    QString m_caption;
    QColor m_color;
    bool m_pressed = false;
};
