// The console-line tokenizer and the config line store: any bytes load, and a save without edits
// writes nothing and leaves every byte; a set, a delete and a save change only the lines they
// match; a value set reads back; a second load and save of a saved file gives the same bytes.
#include "FuzzSupport.h"

#include "config/CfgStore.h"
#include "config/ConsoleLine.h"

#include <QFile>

using FuzzSupport::require;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size(),
            "scratch file written");
}

std::vector<QByteArray> slots(const CfgStore& store)
{
    std::vector<QByteArray> lines;
    for (int i = 1; i <= store.CfgTop(); ++i)
        lines.push_back(store.CfgLines(i));
    return lines;
}

bool matches(const QByteArray& line, const std::vector<QByteArray>& name)
{
    return ConsoleLine::startsWith(ConsoleLine::firstCommand(line), name);
}

// Every slot the name does not match is unchanged; slots beyond `before` are new.
void requireOnlyMatchesChanged(const std::vector<QByteArray>& before, const std::vector<QByteArray>& after,
                               const std::vector<QByteArray>& name, const char* what)
{
    require(after.size() >= before.size(), what);
    for (size_t i = 0; i < before.size(); ++i) {
        if (!matches(before[i], name))
            require(after[i] == before[i], what);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // A plain name, or a two-token name as the binder passes them (`bind "k"`).
    QByteArray name = FuzzSupport::plainName(data, 12);
    if (data.ConsumeBool())
        name = "bind \"" + name.left(1) + '"';
    const QByteArray value = FuzzSupport::plainValue(data, 40);
    const QByteArray deleted = FuzzSupport::plainName(data, 12);
    const std::string file = data.ConsumeRemainingBytesAsString();

    // The tokenizer on the raw line, on its own.
    const ConsoleLine::Command command = ConsoleLine::firstCommand(QByteArrayView(file.data(), qsizetype(file.size())));
    for (const ConsoleLine::Token& token : command.tokens)
        require(token.begin >= 0 && token.begin <= token.end && token.end <= qsizetype(file.size()), "token in line");

    const QString path = FuzzSupport::scratchDir() + QStringLiteral("/config.cfg");
    writeAll(path, QByteArrayView(file.data(), qsizetype(file.size())));
    CfgStore store;
    if (!store.LoadCfg(path))
        return 0; // larger than a configuration file may be
    require(store.SaveCfg(path) && !store.lastSaveWrote(), "a save without edits writes nothing");
    require(readAll(path) == QByteArrayView(file.data(), qsizetype(file.size())),
            "a save without edits keeps the file");

    const std::vector<QByteArray> nameTokens = ConsoleLine::tokens(name);
    std::vector<QByteArray> before = slots(store);
    store.SetCfgVar(name, value);
    std::vector<QByteArray> after = slots(store);
    requireOnlyMatchesChanged(before, after, nameTokens, "set keeps the lines it does not match");
    QByteArray got;
    require(store.GetCfgVar(name, got) && got == value, "a value set reads back");

    before = slots(store);
    store.DeleteCfgLines(deleted);
    requireOnlyMatchesChanged(before, slots(store), ConsoleLine::tokens(deleted),
                              "delete keeps the lines it does not match");

    const bool deletedSetLine = matches(CfgStore::variableLine(name, value), ConsoleLine::tokens(deleted));
    require(store.SaveCfg(path), "save");
    const QByteArray saved = readAll(path);
    if (!deletedSetLine) {
        got.clear();
        require(store.GetCfgVar(name, got) && got == value, "a value set reads back after the save");
    }

    // Load and save again: the same bytes.
    require(store.LoadCfg(path) && store.SaveCfg(path), "second load and save");
    require(readAll(path) == saved, "load then save is idempotent");
    return 0;
}
