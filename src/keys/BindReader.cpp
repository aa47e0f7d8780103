#include "keys/BindReader.h"

#include "config/CfgStore.h"
#include "config/ConsoleLine.h"
#include "config/TextLines.h"
#include "keys/KeyNames.h"

#include <algorithm>

namespace {

bool isCommand(const ConsoleLine::Command& command, const char* name)
{
    return !command.tokens.empty() && command.tokens.front().text.compare(name, Qt::CaseInsensitive) == 0;
}

class Reading {
public:
    void line(const QByteArray& text, int number)
    {
        for (const BindReader::LineCommand& c : BindReader::commands(text))
            run(c.command, number);
    }

    BindReading take() { return std::move(m_result); }

private:
    void run(const ConsoleLine::Command& command, int number)
    {
        const size_t n = command.tokens.size();
        if (isCommand(command, "unbindall")) {
            m_result.bound.clear();
        } else if (n == 2 && isCommand(command, "unbind")) {
            clear(KeyNames::canonical(keyText(command)));
        } else if (n == 3 && isCommand(command, "bind")) {
            const QString key = KeyNames::canonical(keyText(command));
            if (key.isEmpty()) {
                m_result.unknown.push_back({command.tokens[1].text, number});
                return;
            }
            clear(key);
            // A bind to nothing leaves the key doing nothing, as unbind does.
            if (!command.tokens[2].text.isEmpty())
                m_result.bound.push_back({key, command.tokens[2].text, number});
        }
    }

    static QString keyText(const ConsoleLine::Command& command)
    {
        return QString::fromLocal8Bit(command.tokens[1].text);
    }

    void clear(const QString& key)
    {
        if (key.isEmpty())
            return;
        auto& bound = m_result.bound;
        bound.erase(std::remove_if(bound.begin(), bound.end(), [&](const BoundKey& b) { return b.key == key; }),
                    bound.end());
    }

    BindReading m_result;
};

} // namespace

const BoundKey* BindReading::find(const QString& key) const
{
    const QString c = KeyNames::canonical(key);
    if (c.isEmpty())
        return nullptr;
    for (const BoundKey& b : bound) {
        if (b.key == c)
            return &b;
    }
    return nullptr;
}

namespace BindReader {

std::vector<LineCommand> commands(QByteArrayView line)
{
    std::vector<LineCommand> out;
    bool quoted = false;
    qsizetype begin = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"')
            quoted = !quoted;
        if (i < line.size() && (quoted || line[i] != ';'))
            continue;
        LineCommand c{begin, i, ConsoleLine::firstCommand(line.sliced(begin, i - begin))};
        for (ConsoleLine::Token& t : c.command.tokens) {
            t.begin += begin;
            t.end += begin;
        }
        c.command.end += begin;
        out.push_back(std::move(c));
        begin = i + 1;
    }
    return out;
}

bool isBind(const ConsoleLine::Command& command)
{
    return command.tokens.size() >= 2 && isCommand(command, "bind");
}

BindReading read(const CfgStore& store)
{
    Reading reading;
    for (int i = 1; i <= store.CfgTop(); ++i) {
        const QByteArray line = store.CfgLines(i);
        if (!line.isEmpty())
            reading.line(line, i);
    }
    return reading.take();
}

BindReading readBytes(const QByteArray& bytes)
{
    // One 0x1A at the very end marks the end of the text, as the store reads it.
    return readLines(TextLines::split(bytes.endsWith('\x1a') ? bytes.chopped(1) : bytes));
}

BindReading readLines(const std::vector<QByteArray>& lines)
{
    Reading reading;
    for (size_t i = 0; i < lines.size(); ++i)
        reading.line(lines[i], static_cast<int>(i) + 1);
    return reading.take();
}

} // namespace BindReader
