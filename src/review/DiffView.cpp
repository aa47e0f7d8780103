#include "review/DiffView.h"

#include "config/TextCodec.h"
#include "history/LineDiff.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>

namespace {

// The line end of `line` as a mark, and the line without it.
QString endMark(QByteArray& line, const QString& none)
{
    if (line.endsWith("\r\n")) {
        line.chop(2);
        return QStringLiteral(" [CR LF]");
    }
    if (line.endsWith('\n')) {
        line.chop(1);
        return QStringLiteral(" [LF]");
    }
    if (line.endsWith('\r')) {
        line.chop(1);
        return QStringLiteral(" [CR]");
    }
    return QLatin1Char(' ') + none;
}

} // namespace

DiffView::DiffView(const QString& noLineEnd, QWidget* parent)
    : QTextBrowser(parent)
    , m_noLineEnd(noLineEnd)
{
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QTextEdit::NoWrap);
    setOpenLinks(false);
}

void DiffView::addLine(const QString& text, const QColor& background, const QColor& foreground, bool bold)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty())
        cursor.insertBlock();
    QTextBlockFormat block;
    block.setBackground(background);
    cursor.setBlockFormat(block);
    QTextCharFormat chars;
    chars.setForeground(foreground);
    chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    cursor.insertText(text, chars);
}

void DiffView::addHeader(const QString& text)
{
    addLine(text, QColor(0xe4, 0xe8, 0xf0), Qt::black, true);
}

void DiffView::addDiff(const QByteArray& before, const QByteArray& after, const QString& same)
{
    const QList<LineDiff::Hunk> hunks = LineDiff::hunks(before, after);
    if (hunks.isEmpty())
        addLine(same, Qt::white, Qt::darkGray);
    for (qsizetype h = 0; h < hunks.size(); ++h) {
        if (h > 0)
            addLine(QStringLiteral("\u22EF"), Qt::white, Qt::darkGray);
        for (const LineDiff::Line& line : hunks[h]) {
            QByteArray bytes = line.bytes;
            const QString end = endMark(bytes, m_noLineEnd);
            const QString text = TextCodec::decode(bytes).text;
            switch (line.kind) {
            case LineDiff::Line::Kind::Same:
                addLine(QStringLiteral("%1   %2").arg(line.newNumber, 5).arg(text), Qt::white, Qt::darkGray);
                break;
            case LineDiff::Line::Kind::Removed:
                addLine(QStringLiteral("%1 - %2%3").arg(line.oldNumber, 5).arg(text, end), QColor(0xff, 0xdc, 0xdc),
                        QColor(0x90, 0, 0));
                break;
            case LineDiff::Line::Kind::Added:
                addLine(QStringLiteral("%1 + %2%3").arg(line.newNumber, 5).arg(text, end), QColor(0xdc, 0xf5, 0xdc),
                        QColor(0, 0x60, 0));
                break;
            }
        }
    }
}
