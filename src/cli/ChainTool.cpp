#include "cli/ChainTool.h"

#include "app/ProgramFolder.h"
#include "chain/ArchivedCvars.h"
#include "chain/ConfigLosses.h"
#include "chain/StartChain.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QTextStream>

#include <set>

namespace {

QByteArray placeText(const ChainPlace& place)
{
    return place.file.toLocal8Bit() + ':' + QByteArray::number(place.line);
}

void writeWarnings(const StartChain& chain, QTextStream& err)
{
    for (const ChainWarning& w : chain.warnings)
        err << QString::fromLocal8Bit(placeText(w.place)) << ": " << w.text << '\n';
}

void writeBytes(QTextStream& out, const QByteArray& bytes)
{
    out.flush();
    out.device()->write(bytes); // values as the files hold them
}

int printEffective(const StartChain& chain, const QStringList& names, QTextStream& out, QTextStream& err)
{
    std::set<QByteArray> wanted;
    int status = 0;
    for (const QString& name : names) {
        const QByteArray entry = StartChain::entryName(name.toLocal8Bit());
        const ChainEntry* found = chain.find(entry);
        if (found && found->inEffect) {
            wanted.insert(entry);
        } else {
            err << "qvl-cfg: no file of the chain sets " << name << '\n';
            status = 1;
        }
    }
    QByteArray text;
    for (const auto& [name, entry] : chain.entries) {
        if (entry.inEffect && (names.isEmpty() || wanted.count(name)))
            text += name + '\t' + entry.value + '\t' + placeText(entry.place) + '\n';
    }
    writeBytes(out, text);
    return status;
}

int printLost(const StartChain& chain, const QString& dir, const QString& executableDir, QTextStream& out,
              QTextStream& err)
{
    QString configFile;
    for (const ChainRun& run : chain.runsOf(QStringLiteral("config.cfg"))) {
        if (!run.from.hasLine())
            configFile = run.file;
    }
    if (configFile.isEmpty()) {
        err << "qvl-cfg: cannot read " << QDir::toNativeSeparators(QDir(dir).filePath(QStringLiteral("config.cfg")))
            << '\n';
        return 2;
    }
    ArchivedCvars archived;
    QString error;
    std::vector<QByteArray> lines;
    if (!ProgramFolder::loadArchivedCvars(executableDir, &archived, &error)) {
        err << "qvl-cfg: " << error << '\n';
        return 2;
    }
    if (!StartChainReader::readLines(QDir(dir).filePath(configFile), &lines, &error)) {
        err << "qvl-cfg: " << error << '\n';
        return 2;
    }
    QByteArray text;
    for (const ConfigLosses::Loss& loss : ConfigLosses::find(lines, archived, chain.aliasNames()))
        text += placeText({configFile, loss.line}) + '\t' + ConfigLosses::reasonText(loss.reason) + '\n';
    writeBytes(out, text);
    return 0;
}

} // namespace

bool isChainCommand(const QString& command)
{
    return command == QLatin1String("effective") || command == QLatin1String("lost");
}

int runChainTool(const QStringList& args, const QString& executableDir, QTextStream& out, QTextStream& err)
{
    const QString& command = args[0];
    const bool effective = command == QLatin1String("effective");
    if (args.size() < 2 || (!effective && args.size() != 2)) {
        err << "qvl-cfg: '" << command << "' takes " << (effective ? "DIR [NAME...]" : "DIR")
            << " (see qvl-cfg --help)\n";
        return 2;
    }
    const QString& dir = args[1];
    if (!QFileInfo(dir).isDir()) {
        err << "qvl-cfg: " << QDir::toNativeSeparators(dir) << " is no folder\n";
        return 2;
    }
    const StartChain chain = StartChainReader::follow(dir);
    if (!effective)
        return printLost(chain, dir, executableDir, out, err);
    writeWarnings(chain, err);
    return printEffective(chain, args.mid(2), out, err);
}
