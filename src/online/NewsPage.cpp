#include "online/NewsPage.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace NewsPage {

namespace {

// The media type of a Content-Type value, lower case, without its parameters.
QByteArray mediaType(const QByteArray& contentType)
{
    const qsizetype semicolon = contentType.indexOf(';');
    return (semicolon < 0 ? contentType : contentType.left(semicolon)).trimmed().toLower();
}

QByteArray byteOrderMark(const QByteArray& body)
{
    if (body.startsWith("\xEF\xBB\xBF"))
        return "utf-8";
    if (body.startsWith("\xFF\xFE"))
        return "utf-16le";
    if (body.startsWith("\xFE\xFF"))
        return "utf-16be";
    return {};
}

QByteArray charsetIn(const QString& text, const QRegularExpression& pattern)
{
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toLatin1().toLower() : QByteArray();
}

} // namespace

Kind kind(const QByteArray& contentType, const QByteArray& body)
{
    const QByteArray type = mediaType(contentType);
    if (type == "text/html" || type == "application/xhtml+xml")
        return Kind::Html;
    if (type.startsWith("text/"))
        return Kind::PlainText;
    if (!type.isEmpty())
        return Kind::NotText;
    const QByteArray mark = byteOrderMark(body);
    return body.contains('\0') && !mark.startsWith("utf-16") ? Kind::NotText : Kind::Html;
}

QByteArray declaredCharset(const QByteArray& contentType, const QByteArray& body, bool html)
{
    if (const QByteArray mark = byteOrderMark(body); !mark.isEmpty())
        return mark;
    static const QRegularExpression parameter(QStringLiteral(R"re(;\s*charset\s*=\s*["']?([^"';\s]+))re"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (const QByteArray declared = charsetIn(QString::fromLatin1(contentType), parameter); !declared.isEmpty())
        return declared;
    if (!html)
        return {};
    // <meta charset="..."> and <meta http-equiv="Content-Type" content="text/html; charset=...">.
    static const QRegularExpression meta(QStringLiteral(R"re(<meta\b[^>]*?charset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))re"),
                                         QRegularExpression::CaseInsensitiveOption);
    return charsetIn(QString::fromLatin1(body.left(1024)), meta);
}

QString decode(const QByteArray& body, const QByteArray& contentType, bool html, const QByteArray& codePage)
{
    const QByteArray declared = declaredCharset(contentType, body, html);
    if (!declared.isEmpty()) {
        QStringDecoder decoder(declared.constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    QStringDecoder local(codePage.constData());
    return local.isValid() ? QString(local.decode(body)) : QString::fromLatin1(body);
}

QString picturesAsAltText(const QString& html)
{
    static const QRegularExpression picture(QStringLiteral(R"re(<img\b((?:[^>"']|"[^"]*"|'[^']*')*)>)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(
        QStringLiteral(R"re(([^\s"'>/=]+)(?:\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& tag : picture.globalMatch(html)) {
        out += QStringView(html).sliced(done, tag.capturedStart() - done);
        done = tag.capturedEnd();
        for (const QRegularExpressionMatch& a : attribute.globalMatch(tag.captured(1))) {
            if (a.captured(1).compare(QLatin1String("alt"), Qt::CaseInsensitive) != 0)
                continue;
            // The value is already text of the page, entities and all; only a stray angle bracket
            // could start a tag once it stands outside its quotes.
            QString alt = a.captured(2) + a.captured(3) + a.captured(4);
            out +=
                alt.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
            break;
        }
    }
    out += QStringView(html).sliced(done);
    return out;
}

} // namespace NewsPage
