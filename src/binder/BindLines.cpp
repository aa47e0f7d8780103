#include "binder/BindLines.h"

#include "binder/BindReader.h"
#include "binder/KeyNames.h"
#include "config/CfgStore.h"
#include "config/ConsoleLine.h"

#include <set>

namespace BindLines {

namespace {

// The spellings of a key that the store's matching (tokens without regard to case) must be
// asked for one by one: `;` is SEMICOLON to the game, and `~` stands for the backquote key.
QStringList spellings(const QString& key)
{
    const QString c = KeyNames::canonical(key);
    if (c.isEmpty())
        return key.isEmpty() ? QStringList() : QStringList{key};
    if (c == QLatin1String("SEMICOLON"))
        return {c, QStringLiteral(";")};
    if (c == QLatin1String("`"))
        return {c, QStringLiteral("~")};
    return {c};
}

// A store name of quoted tokens (`bind "F2" "QVL_F2"`), or empty when a token holds a quote and
// could not be named that way.
QByteArray quotedName(const char* command, const std::vector<QByteArray>& tokens)
{
    QByteArray name = command;
    for (const QByteArray& t : tokens) {
        if (t.contains('"'))
            return {};
        name += " \"" + t + '"';
    }
    return name;
}

QByteArray bindName(const QString& key)
{
    return quotedName("bind", {key.toLocal8Bit()});
}

bool isCommand(const ConsoleLine::Command& command, const char* name)
{
    return !command.tokens.empty() && command.tokens.front().text.compare(name, Qt::CaseInsensitive) == 0;
}

bool isAliasName(const QByteArray& text)
{
    if (text.left(4).toUpper() != "QVL_")
        return false;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == ';')
            return false;
    }
    return true;
}

// Deletes the lines whose first command begins with each name; counts the lines that did.
int deleteNamed(CfgStore& store, const std::set<QByteArray>& names)
{
    std::vector<std::vector<QByteArray>> wanted;
    for (const QByteArray& name : names)
        wanted.push_back(ConsoleLine::tokens(name));
    int count = 0;
    for (int i = 1; i <= store.CfgTop(); ++i) {
        const ConsoleLine::Command command = ConsoleLine::firstCommand(store.CfgLines(i));
        for (const auto& w : wanted) {
            if (ConsoleLine::startsWith(command, w)) {
                ++count;
                break;
            }
        }
    }
    for (const QByteArray& name : names)
        store.DeleteCfgLines(name);
    return count;
}

} // namespace

void setBind(CfgStore& store, const QString& key, const QByteArray& command)
{
    const QStringList names = spellings(key);
    if (names.isEmpty())
        return;
    for (qsizetype i = 1; i < names.size(); ++i)
        store.DeleteCfgLines(bindName(names[i]));
    const QByteArray name = bindName(names.front());
    store.SetCfgVar(name, command);
    const BindReading reading = BindReader::read(store);
    const BoundKey* bound = reading.find(names.front());
    if (!bound || bound->command != command) {
        // A later unbind or unbindall would undo the line where it stands.
        store.DeleteCfgLines(name);
        store.SetCfgVar(name, command);
    }
}

int removeBinds(CfgStore& store, const QString& key)
{
    std::set<QByteArray> names;
    for (const QString& s : spellings(key))
        names.insert(bindName(s));
    return deleteNamed(store, names);
}

int removeAliasBinds(CfgStore& store)
{
    std::set<QByteArray> names;
    for (int i = 1; i <= store.CfgTop(); ++i) {
        const ConsoleLine::Command command = ConsoleLine::firstCommand(store.CfgLines(i));
        if (command.tokens.size() == 3 && isCommand(command, "bind") && isAliasName(command.tokens[2].text)) {
            const QByteArray name = quotedName("bind", {command.tokens[1].text, command.tokens[2].text});
            if (!name.isEmpty())
                names.insert(name);
        }
    }
    return deleteNamed(store, names);
}

void setAlias(CfgStore& store, const QString& name, const QByteArray& body)
{
    store.SetCfgVar(quotedName("alias", {name.toLocal8Bit()}), body);
}

int removeAliasDefinitions(CfgStore& store)
{
    std::set<QByteArray> names;
    for (int i = 1; i <= store.CfgTop(); ++i) {
        const ConsoleLine::Command command = ConsoleLine::firstCommand(store.CfgLines(i));
        if (command.tokens.size() >= 2 && isCommand(command, "alias") && isAliasName(command.tokens[1].text)) {
            const QByteArray name = quotedName("alias", {command.tokens[1].text});
            if (!name.isEmpty())
                names.insert(name);
        }
    }
    return deleteNamed(store, names);
}

} // namespace BindLines
