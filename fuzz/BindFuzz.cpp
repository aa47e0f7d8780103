// The bind reader: any bytes read; every bound key is one the game knows, bound on a line that
// exists, and reading the lines through the store gives the same result as reading the bytes.
// Unbinding a key takes its binds away and leaves every other key bound as it was, before and
// after a save.
#include "FuzzSupport.h"

#include "binder/BindEdits.h"
#include "config/CfgStore.h"
#include "keys/BindReader.h"
#include "keys/KeyNames.h"

#include <QFile>

using FuzzSupport::require;

namespace {

bool sameReading(const BindReading& a, const BindReading& b)
{
    if (a.bound.size() != b.bound.size() || a.unknown.size() != b.unknown.size())
        return false;
    for (size_t i = 0; i < a.bound.size(); ++i) {
        if (a.bound[i].key != b.bound[i].key || a.bound[i].command != b.bound[i].command ||
            a.bound[i].line != b.bound[i].line)
            return false;
    }
    for (size_t i = 0; i < a.unknown.size(); ++i) {
        if (a.unknown[i].name != b.unknown[i].name || a.unknown[i].line != b.unknown[i].line)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const BindReading reading = BindReader::readBytes(text);
    const int lines = int(text.count('\n') + text.count('\r')) + 1;
    for (const BoundKey& bound : reading.bound) {
        require(bound.line >= 1 && bound.line <= lines, "bound on an existing line");
        require(!bound.command.isEmpty(), "a bind to nothing clears the key");
        require(KeyNames::isKnown(bound.key), "only keys the game knows are bound");
        require(reading.find(bound.key) == &bound, "a bound key is found by its name");
    }

    const QString path = FuzzSupport::scratchDir() + QStringLiteral("/binds.cfg");
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(text) == text.size(), "scratch file written");
    file.close();
    CfgStore store;
    if (!store.LoadCfg(path))
        return 0;
    require(sameReading(BindReader::read(store), reading), "the store's lines read as the bytes do");
    if (reading.bound.empty())
        return 0;

    const QString key = reading.bound.front().key;
    BindEdits::removeCommands(store, [&](const ConsoleLine::Command& c) { return BindEdits::bindsKey(c, key); });
    const auto keptTheOthers = [&](const BindReading& after) {
        if (after.find(key))
            return false;
        for (const BoundKey& b : reading.bound) {
            const BoundKey* now = after.find(b.key);
            if (b.key != key && (!now || now->command != b.command))
                return false;
        }
        return true;
    };
    require(keptTheOthers(BindReader::read(store)), "an unbind keeps every other key's bind");
    require(store.SaveCfg(path) && keptTheOthers(BindReader::read(store)), "and so does the saved file");
    return 0;
}
