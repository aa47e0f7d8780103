#include "cli/CfgTool.h"

#include "binder/BindEdits.h"
#include "binder/BindLines.h"
#include "binder/Composer.h"
#include "cli/ChainTool.h"
#include "cli/HistoryCommands.h"
#include "config/CfgStore.h"
#include "config/ConsoleLine.h"
#include "keys/BindReader.h"
#include "keys/KeyNames.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextStream>

namespace {

const char* const Usage = "Usage: qvl-cfg get FILE NAME\n"
                          "       qvl-cfg set FILE NAME VALUE\n"
                          "       qvl-cfg delete FILE NAME\n"
                          "       qvl-cfg normalize FILE\n"
                          "       qvl-cfg binds FILE\n"
                          "       qvl-cfg bind FILE KEY COMMAND\n"
                          "       qvl-cfg unbind FILE KEY\n"
                          "       qvl-cfg history FILE\n"
                          "       qvl-cfg show FILE N\n"
                          "       qvl-cfg restore FILE N\n"
                          "       qvl-cfg effective DIR [NAME...]\n"
                          "       qvl-cfg lost DIR\n"
                          "\n"
                          "Reads and edits Counter-Strike configuration files (config.cfg, autoexec.cfg, ...).\n"
                          "NAME is matched against the first command of each line, as the game reads it,\n"
                          "without regard to letter case; it may hold several words: 'bind \"w\"'.\n"
                          "get prints the value of the last matching line; set replaces every matching\n"
                          "line (or adds one at the end); delete removes the matching commands. These edits\n"
                          "keep every other byte of the file (blank lines, line ends, comments), and an edit\n"
                          "that changes nothing writes nothing. normalize is the one command that rewrites\n"
                          "the whole file in the program's own format: CR LF line ends, empty lines dropped.\n"
                          "\n"
                          "binds prints what the file leaves bound once the game has run it, one KEY<TAB>COMMAND\n"
                          "line per key, and warns about binds of keys the game does not know; bind binds KEY\n"
                          "to COMMAND (replacing the key's bind lines, or adding one); unbind removes each\n"
                          "command that binds KEY. KEY is a key name of the game (F2, q, KP_5, MOUSE4,\n"
                          "SEMICOLON) or any other single character, each a key of its own (+, ~, \\).\n"
                          "\n"
                          "Before an edit writes FILE, the bytes it holds are kept as a version, as Quarvel\n"
                          "keeps them: history lists the versions, N<TAB>TIME<TAB>ACTION<TAB>BYTES, newest\n"
                          "first (N from 1, TIME in UTC); show writes version N's bytes to standard output;\n"
                          "restore puts version N back, keeping the bytes FILE holds as a version first, so\n"
                          "that a restore can be undone. Options, before or after the command:\n"
                          "  --history DIR     keep the versions in DIR (by default the history folder of\n"
                          "                    Quarvel's program folder, or of the folder it will choose)\n"
                          "  --settings FILE   read Quarvel's settings from FILE (or $QVL_SETTINGS)\n"
                          "\n"
                          "effective runs the game's start chain in the cstrike folder DIR as the game does\n"
                          "(autoexec.cfg, then config.cfg, each exec where it stands) and prints what it leaves,\n"
                          "one NAME<TAB>VALUE<TAB>FILE:LINE line each, sorted by name: variables in lower case,\n"
                          "'setinfo KEY', 'alias NAME' and 'bind KEY'; FILE:LINE is the line that set it last.\n"
                          "With NAMEs it prints only those. Warnings (a missing file, a loop, an unknown key)\n"
                          "go to standard error as FILE:LINE: text. lost prints config.cfg's lines that the\n"
                          "game drops when it rewrites the file at its next exit, as config.cfg:LINE<TAB>REASON,\n"
                          "REASON being alias, comment, exec, not archived or unknown key.\n"
                          "\n"
                          "Exit codes: 0 done, 1 no line matches (get, delete, unbind), no version N\n"
                          "(show, restore) or a NAME is not set (effective), 2 usage or file error.\n";

int usageError(QTextStream& err, const QString& message)
{
    err << "qvl-cfg: " << message << " (see qvl-cfg --help)\n";
    return 2;
}

// binds, bind and unbind on the loaded file.
int runBindCommand(const QStringList& args, CfgStore& store, const QString& historyRoot, QTextStream& out,
                   QTextStream& err)
{
    const QString& command = args[0];
    const QString& file = args[1];
    if (command == QLatin1String("binds")) {
        const BindReading reading = BindReader::read(store);
        QByteArray text;
        for (const BoundKey& b : reading.bound)
            text += b.key.toLocal8Bit() + '\t' + b.command + '\n';
        out.flush();
        out.device()->write(text); // the commands' bytes as the file holds them
        for (const UnknownKeyBind& u : reading.unknown) {
            err << "qvl-cfg: " << file << ':' << u.line << ": warning: the game has no key named '"
                << QString::fromLocal8Bit(u.name) << "'\n";
        }
        return 0;
    }

    const QString& key = args[2];
    if (command == QLatin1String("unbind")) {
        if (key.trimmed().isEmpty())
            return usageError(err, QStringLiteral("empty KEY for %1").arg(file));
        // Every command that binds the key goes alone; the rest of its line stays byte for byte.
        if (BindEdits::removeCommands(
                store, [&](const ConsoleLine::Command& c) { return BindEdits::bindsKey(c, key); }) == 0) {
            err << "qvl-cfg: no line of " << file << " binds " << key << '\n';
            return 1;
        }
        return HistoryCommands::save(store, file, command, historyRoot, err);
    }

    if (!KeyNames::isKnown(key))
        return usageError(err, QStringLiteral("the game has no key named '%1'; %2 is unchanged").arg(key, file));
    const QByteArray bound = args[3].toLocal8Bit();
    // The command goes into one quoted argument of one line: the game has no escape for a quote.
    if (bound.trimmed().isEmpty() || bound.contains('"') || bound.contains('\r') || bound.contains('\n'))
        return usageError(err,
                          QStringLiteral("COMMAND must be one line without a double quote; %1 is unchanged").arg(file));
    if (bound.size() > Composer::MaxArgument) {
        return usageError(err, QStringLiteral("COMMAND is %1 bytes long and the game takes at most %2; %3 is unchanged")
                                   .arg(bound.size())
                                   .arg(Composer::MaxArgument)
                                   .arg(file));
    }
    BindLines::setBind(store, key, bound);
    return HistoryCommands::save(store, file, command, historyRoot, err);
}

} // namespace

int runCfgTool(const QStringList& given, QTextStream& out, QTextStream& err)
{
    QStringList args = given;
    const QString historyRoot = HistoryCommands::takeRoot(args);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out << Usage;
        return 0;
    }
    if (args.contains(QLatin1String("--version"))) {
        out << "qvl-cfg " << QVL_VERSION << '\n';
        return 0;
    }
    if (args.isEmpty())
        return usageError(err, QStringLiteral("no command given"));

    const QString& command = args[0];
    if (HistoryCommands::handles(command))
        return HistoryCommands::run(args, historyRoot, out, err);
    if (isChainCommand(command))
        return runChainTool(args, QCoreApplication::applicationDirPath(), out, err);
    const qsizetype wanted = command == QLatin1String("get")         ? 3
                             : command == QLatin1String("set")       ? 4
                             : command == QLatin1String("delete")    ? 3
                             : command == QLatin1String("normalize") ? 2
                             : command == QLatin1String("binds")     ? 2
                             : command == QLatin1String("bind")      ? 4
                             : command == QLatin1String("unbind")    ? 3
                                                                     : -1;
    if (wanted < 0)
        return usageError(err, QStringLiteral("unknown command '%1'").arg(command));
    if (args.size() != wanted) {
        const QString on = args.size() > 1 ? QStringLiteral(" on %1").arg(args[1]) : QString();
        return usageError(err,
                          QStringLiteral("'%1'%2 takes %3 argument(s)").arg(command, on, QString::number(wanted - 1)));
    }

    const QString& file = args[1];
    CfgStore store;
    QString error;
    if (!store.LoadCfg(file, &error)) {
        err << "qvl-cfg: " << error << '\n';
        return 2;
    }
    if (command == QLatin1String("binds") || command == QLatin1String("bind") || command == QLatin1String("unbind"))
        return runBindCommand(args, store, historyRoot, out, err);
    const QByteArray name = wanted > 2 ? args[2].toLocal8Bit() : QByteArray();
    if (wanted > 2 && ConsoleLine::tokens(name).empty())
        return usageError(err, QStringLiteral("empty NAME for %1").arg(file));

    if (command == QLatin1String("get")) {
        QByteArray value;
        if (!store.GetCfgVar(name, value)) {
            err << "qvl-cfg: no line of " << file << " sets " << args[2] << '\n';
            return 1;
        }
        out.flush();
        out.device()->write(value + '\n'); // the value's bytes as the file holds them
        return 0;
    }
    if (command == QLatin1String("set")) {
        const QByteArray value = args[3].toLocal8Bit();
        // The game ends a quoted value at the next quote, and a line end starts a new command.
        if (value.contains('"') || value.contains('\r') || value.contains('\n'))
            return usageError(
                err, QStringLiteral("VALUE must be one line without a double quote; %1 is unchanged").arg(file));
        store.SetCfgVar(name, value);
    } else if (command == QLatin1String("delete")) {
        if (!store.DeleteCfgLines(name)) {
            err << "qvl-cfg: no line of " << file << " sets " << args[2] << '\n';
            return 1;
        }
    } else {
        store.normalize();
    }
    return HistoryCommands::save(store, file, command, historyRoot, err);
}
