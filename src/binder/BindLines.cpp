#include "binder/BindLines.h"

#include "config/CfgStore.h"
#include "keys/BindReader.h"
#include "keys/KeyNames.h"

namespace BindLines {

namespace {

// A store name of one quoted token (`bind "F2"`), or empty when the token holds a quote and
// could not be named that way.
QByteArray quotedName(const char* command, const QByteArray& token)
{
    if (token.contains('"'))
        return {};
    return QByteArray(command) + " \"" + token + '"';
}

} // namespace

void setBind(CfgStore& store, const QString& key, const QByteArray& command)
{
    const QString spelled = KeyNames::canonical(key);
    if (spelled.isEmpty())
        return;
    // The game reads `bind ";"` as a bind of SEMICOLON too: such lines go, the new one spells the key out.
    if (spelled == QLatin1String("SEMICOLON"))
        store.DeleteCfgLines("bind \";\"");
    const QByteArray name = quotedName("bind", spelled.toLocal8Bit());
    if (name.isEmpty())
        return;
    store.SetCfgVar(name, command);
    const BindReading reading = BindReader::read(store);
    const BoundKey* bound = reading.find(spelled);
    if (!bound || bound->command != command) {
        // A later unbind or unbindall would undo the line where it stands.
        store.DeleteCfgLines(name);
        store.SetCfgVar(name, command);
    }
}

void setAlias(CfgStore& store, const QString& name, const QByteArray& body)
{
    store.SetCfgVar(quotedName("alias", name.toLocal8Bit()), body);
}

} // namespace BindLines
