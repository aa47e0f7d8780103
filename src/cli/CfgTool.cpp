#include "cli/CfgTool.h"

#include "config/CfgStore.h"
#include "config/ConsoleLine.h"

#include <QIODevice>
#include <QTextStream>

namespace {

const char* const Usage = "Usage: qvl-cfg get FILE NAME\n"
                          "       qvl-cfg set FILE NAME VALUE\n"
                          "       qvl-cfg delete FILE NAME\n"
                          "       qvl-cfg normalize FILE\n"
                          "\n"
                          "Reads and edits Counter-Strike configuration files (config.cfg, autoexec.cfg, ...).\n"
                          "NAME is matched against the first command of each line, as the game reads it,\n"
                          "without regard to letter case; it may hold several words: 'bind \"w\"'.\n"
                          "get prints the value of the last matching line; set replaces every matching\n"
                          "line (or adds one at the end); delete removes the matching commands; normalize\n"
                          "loads and saves the file (CR LF line ends, empty lines dropped).\n"
                          "\n"
                          "Exit codes: 0 done, 1 no line matches (get), 2 usage or file error.\n";

int usageError(QTextStream& err, const QString& message)
{
    err << "qvl-cfg: " << message << " (see qvl-cfg --help)\n";
    return 2;
}

} // namespace

int runCfgTool(const QStringList& args, QTextStream& out, QTextStream& err)
{
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
    const qsizetype wanted = command == QLatin1String("get")         ? 3
                             : command == QLatin1String("set")       ? 4
                             : command == QLatin1String("delete")    ? 3
                             : command == QLatin1String("normalize") ? 2
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
    if (command == QLatin1String("set"))
        store.SetCfgVar(name, args[3].toLocal8Bit());
    else if (command == QLatin1String("delete"))
        store.DeleteCfgLines(name);
    if (!store.SaveCfg(file, &error)) {
        err << "qvl-cfg: " << error << '\n';
        return 2;
    }
    return 0;
}
