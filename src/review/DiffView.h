#pragma once

#include <QByteArray>
#include <QString>
#include <QTextBrowser>

// A coloured line diff, read-only: removed lines red with their old line number, added lines
// green with their new one, a few unchanged lines around them in grey. A changed line shows how
// it ends (CR LF, LF, CR, or the text given for none), so a change of line end alone is seen.
class DiffView final : public QTextBrowser {
public:
    // `noLineEnd`: what a last line without a line end shows at its end.
    explicit DiffView(const QString& noLineEnd, QWidget* parent = nullptr);

    // A header line (a file's name) above what follows.
    void addHeader(const QString& text);
    // The changes from `before` to `after`, or `same` when there are none.
    void addDiff(const QByteArray& before, const QByteArray& after, const QString& same);

private:
    void addLine(const QString& text, const QColor& background, const QColor& foreground, bool bold = false);

    QString m_noLineEnd;
};
