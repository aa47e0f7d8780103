#include "platform/VdfText.h"

namespace VdfText {

const Node* Node::child(const QString& name) const
{
    for (const Node& c : children) {
        if (c.key.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

namespace {

class Reader {
public:
    explicit Reader(const QByteArray& text)
        : m_text(text)
    {}

    enum class Kind { String, Open, Close, End };

    Kind next(QString& out)
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            return Kind::End;
        const char c = m_text[m_pos];
        if (c == '{' || c == '}') {
            ++m_pos;
            return c == '{' ? Kind::Open : Kind::Close;
        }
        QByteArray bytes;
        if (c == '"') {
            ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != '"') {
                if (m_text[m_pos] == '\\' && m_pos + 1 < m_text.size()) {
                    const char e = m_text[++m_pos];
                    bytes.append(e == 'n' ? '\n' : e == 't' ? '\t' : e);
                } else {
                    bytes.append(m_text[m_pos]);
                }
                ++m_pos;
            }
            ++m_pos; // the closing quote (or past the end of a damaged text)
        } else {
            while (m_pos < m_text.size() && static_cast<unsigned char>(m_text[m_pos]) > 0x20 && m_text[m_pos] != '{' &&
                   m_text[m_pos] != '}' && m_text[m_pos] != '"')
                bytes.append(m_text[m_pos++]);
        }
        out = QString::fromUtf8(bytes);
        return Kind::String;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size()) {
            if (static_cast<unsigned char>(m_text[m_pos]) <= 0x20) {
                ++m_pos;
            } else if (m_text[m_pos] == '/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '/') {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    const QByteArray& m_text;
    qsizetype m_pos = 0;
};

// Reads entries until a closing brace or the end; depth guards against runaway nesting.
QList<Node> readBlock(Reader& reader, int depth)
{
    QList<Node> nodes;
    QString key;
    while (true) {
        const Reader::Kind kind = reader.next(key);
        if (kind != Reader::Kind::String)
            return nodes; // Close, End, or a stray brace
        Node node;
        node.key = key;
        QString value;
        const Reader::Kind after = reader.next(value);
        if (after == Reader::Kind::String) {
            node.value = value;
        } else if (after == Reader::Kind::Open && depth < 64) {
            node.isBlock = true;
            node.children = readBlock(reader, depth + 1);
        } else {
            nodes.append(node);
            return nodes;
        }
        nodes.append(node);
    }
}

} // namespace

QList<Node> parse(const QByteArray& text)
{
    Reader reader(text);
    return readBlock(reader, 0);
}

} // namespace VdfText
