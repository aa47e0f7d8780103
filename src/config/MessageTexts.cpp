#include "config/MessageTexts.h"

#include "platform/FileError.h"

namespace MessageTexts {

const QList<Entry>& english()
{
    static const QList<Entry> table = {
        {"TabSheet1",
         QStringLiteral(
             "Main window >> here you can manipulate with your config files and setup some settings of QVL")},
        {"TabSheet2", QStringLiteral("Client options >> edit your personal settings")},
        {"TabSheet3", QStringLiteral("Server options >> change your server settings")},
        {"TabSheet4", QStringLiteral("BINDer >> Create and configurate bindings and aliases")},
        {"TabSheet5", QStringLiteral("HUDs >> Choose your favorite huds and play CS with them!")},
        {"Error", QStringLiteral("Error!")},
        {"Information", QStringLiteral("Information")},
        {"Backupfailed", QStringLiteral("Backup failed")},
        {"Backuped", QStringLiteral("has been successfuly backuped. Backuped file:")},
        {"Restored", QStringLiteral("has been successfuly restored. Restored file:")},
        {"RestoreFailed", QStringLiteral("Restore of backuped file failed.\r\nMaybe you did'nt backup the ")},
        {"cfgnotfound",
         QStringLiteral("Sorry, 'config.cfg' not found at this dir. Maybe you choose a wrong directoy. If "
                        "you delete it, just run CS -> Settings. After that, config.cfg will be created.")},
        {"poor", QStringLiteral("poor")},
        {"normal", QStringLiteral("normal")},
        {"best", QStringLiteral("best")},
        {"thiskeyis", QStringLiteral("This key is binded to")},
        {"doyouwant", QStringLiteral("Do you want to clear bind?")},
        {"noprimary", QStringLiteral("Cannot buy ammo for no primary weapon!")},
        {"nosecondary", QStringLiteral("Cannot buy ammo for no secondary weapon!")},
        {"noboth", QStringLiteral("Cannot buy ammo for no secondary and no primary weapon!")},
        {"EnterIt",
         QStringLiteral("Enter the custom message please. Your radio commands can be heared only by your team")},
        {"aliases", QStringLiteral("Do you want to remove ALL aliases form AUTOEXEC.CFG?")},
        {"ConfigCreate",
         QStringLiteral("You created your own config.\r\nNOTE! - to execute all CVARS from your config - "
                        "enter in the console \r\nexec YourConfig.cfg")},
        {"wrongext", QStringLiteral("Wrong filename extension!\r\nMust be name.cfg.\r\nPlease correct it")},
        {"hud_default", QStringLiteral("This HUD now set as default in C.S.")},
        {"notconnected", QStringLiteral("You are not connected to the internet!")},
        {"Connecting", QStringLiteral("Connecting...")},
        {"Disconnected", QStringLiteral("Disconnected")},
        {"Nonewver", QStringLiteral("No new versions avilalible!'#10'Try updating later...")},
        {"Downloadingpatch", QStringLiteral("Downloading patch")},
        {"Loading", QStringLiteral("Loading..")},
        {"Loaded", QStringLiteral("GetNews!")},
        // Shown by the option pages; %1 is the offending text or the field's caption.
        {"notinteger", QStringLiteral("'%1' is not a valid integer value")},
        {"notwritable", QStringLiteral("\"%1\": the text holds a double quote or a line break, which a configuration "
                                       "file cannot carry inside a value. Remove it and apply again; nothing was "
                                       "written.")},
        // The option pages' marks of a value kept as the file has it: %1 is the value, then where
        // its line stands. After a read, the values that do not fit their controls (%1 the file).
        {"infile", QStringLiteral("%1 (in the file)")},
        {"infiletip", QStringLiteral("Kept as the file has it until you change it: %1")},
        {"badvalues", QStringLiteral("Some values in %1 do not fit their controls. They are shown as the file has "
                                     "them, marked, and kept until you change them:")},
        {"nothingtoapply", QStringLiteral("Nothing to apply")},
        {"latermark", QStringLiteral("Set again in %1")},
        {"latertip", QStringLiteral("%1, line %2: %3 \"%4\". The game runs it after %5, so this value wins.")},
        {"laterquestion",
         QStringLiteral("The game runs these files after %1 and keeps the values they set:\r\n%2\r\nWrite your changes "
                        "of these settings into the file that wins?")},
        {"laterthere", QStringLiteral("Write into the file that wins")},
        {"laterhere", QStringLiteral("Write here anyway")},
        {"latercancel", QStringLiteral("Cancel")},
        // The connection list's faster entries.
        {"broadband", QStringLiteral("Broadband")},
        {"fastbroadband", QStringLiteral("Fast broadband")},
        {"unlimited", QStringLiteral("Unlimited")},
        // Shown by the pages that edit a configuration file while the folder holds none.
        {"nocfgfile", QStringLiteral("There is no configuration file to edit: make one with the wizard, or choose the "
                                     "game folder on the Main page.")},
        // Asked before a configuration file is deleted; %1 is its path.
        {"deletecfg", QStringLiteral("Do you want to delete %1? This cannot be undone.")},
        // Shown when the desktop has no program for .cfg files; %1 is the file's path.
        {"noeditor", QStringLiteral("No program is set up to open .cfg files on this computer.\r\nOpen %1 with a text "
                                    "editor.")},
        // Refusals of the bind composer; nothing is written. %1 is the length, %2 the game's limit.
        {"chatchars", QStringLiteral("The custom message cannot hold a double quote or a semicolon: the game would cut "
                                     "the command there. Remove them and bind again; nothing was written.")},
        {"toolong", QStringLiteral("This bind is too long for the game: %1 characters where at most %2 fit. Choose "
                                   "fewer items and bind again; nothing was written.")},
        {"nothingtobind", QStringLiteral("Nothing to bind: choose a weapon, equipment, a radio command or a chat "
                                         "message first.")},
        // The binder's list of what the picture cannot show, and the files its aliases' removal cleans.
        {"keysnotpictured", QStringLiteral("Bound keys not on this picture:")},
        {"keysunknown", QStringLiteral("Key names the game does not know (line: name):")},
        {"aliasfiles", QStringLiteral("The binds of these aliases are removed from:")},
        // The wizard's refusal of a file name, and its question before it replaces a file (%1, its path).
        {"notbarename",
         QStringLiteral("Wrong file name!\r\nType a bare file name such as name.cfg: no folder or drive, "
                        "no device name (CON, NUL, COM1 ...), no double quote or control character, and "
                        "no dot or blank at the end.\r\nPlease correct it")},
        {"replacecfg", QStringLiteral("%1 already exists.\r\nDo you want to replace it with a copy of your working "
                                      "configuration and the wizard's answers? Its own lines will be lost.")},
        // The wizard's lists: the computer speeds (the blanks line the texts up) and the mouse's
        // button counts that are words.
        {"wizspeed0", QStringLiteral("Bad       (bad videocard, low RAM)")},
        {"wizspeed1", QStringLiteral("Poor      (poor videocard, poor RAM)")},
        {"wizspeed2", QStringLiteral("Normal  (medium configuration)")},
        {"wizspeed3", QStringLiteral("Good     (for quite fast computers)")},
        {"wizspeed4", QStringLiteral("Best      (best videocard, a lot of RAM)")},
        {"wizbuttons3", QStringLiteral("3 (or 2 + scroll as MOUSE3)")},
        {"wizbuttonsmore", QStringLiteral("more")},
        // After a HUD install, one line per slot: %1 is where the game's own sprite is kept, %2 the
        // game file it can be copied back over.
        {"hudorig",
         QStringLiteral("The game's own file is kept as %1; \"Restore the game's HUDs\" puts it back over %2.")},
        // The update window and the news box; %1 is the address, the status, a count or a path.
        {"trayready", QStringLiteral("Redy to download an update")},
        {"traydownloading", QStringLiteral("Downloading [%1%]")},
        {"insecuresite", QStringLiteral("The update site \"%1\" is not an https address. The program runs what it "
                                        "downloads, so it only fetches it over a secure connection. Correct the "
                                        "setting site; nothing was downloaded.")},
        {"badstatus", QStringLiteral("The update server answered with the status %1 instead of the patch. Nothing "
                                     "was saved or started; try updating later.")},
        {"shortpatch", QStringLiteral("The connection broke after %1 of %2 bytes of the patch. Nothing was saved or "
                                      "started; try again.")},
        {"timedout", QStringLiteral("The update server sent nothing for %1 seconds, so the download was stopped. "
                                    "Nothing was saved or started; try again.")},
        {"downloadfailed", QStringLiteral("The download failed: %1. Nothing was saved or started.")},
        {"cannotsave", QStringLiteral("Cannot write %1: %2. The patch was not saved.")},
        {"updateaborted", QStringLiteral("The download was aborted. Nothing was saved or started.")},
        {"patchsaved", QStringLiteral("The patch was saved as %1. It is a Windows program: run it on Windows to "
                                      "update the program.")},
        {"patchnotstarted", QStringLiteral("The patch %1 was downloaded but could not be started. Start it yourself "
                                           "or try again.")},
        // A patch refused for its signature: %1 of "unsignedpatch" is one of the "sig..." causes.
        {"unsignedpatch", QStringLiteral("The update is not signed by Quarvel's key: it was not saved, and nothing "
                                         "was started. %1")},
        {"sigmissing", QStringLiteral("The site serves no signature for it (status %1).")},
        {"sigredirected", QStringLiteral("The address of its signature redirects elsewhere.")},
        {"sigtoolarge", QStringLiteral("Its signature is larger than %1 bytes.")},
        {"siglength", QStringLiteral("Its signature has %1 bytes instead of 64.")},
        {"sigwrong", QStringLiteral("Its signature does not match the bytes received.")},
        {"signotfetched", QStringLiteral("Its signature could not be fetched: %1.")},
        {"newsfailed", QStringLiteral("The news could not be loaded: %1")},
        {"newsstatus", QStringLiteral("The news could not be loaded: the site answered with the status %1.")},
        {"newstoolarge", QStringLiteral("The news page is larger than 1 MiB and was not shown.")},
        {"newstimeout", QStringLiteral("The news could not be loaded: the site sent nothing for 30 seconds.")},
        {"newssite", QStringLiteral("The news site \"%1\" is not an https address and was not opened.")},
        // The working file's history: %1 is the file's name.
        {"changedoutside", QStringLiteral("%1 was changed outside Quarvel")},
        {"nothingtoundo",
         QStringLiteral("Nothing to undo: Quarvel has not written the working file since it was chosen")},
        {"undone", QStringLiteral("%1: Quarvel's last write was undone")},
        // A working file the game does not run at start; %1 is its name.
        {"notinchain", QStringLiteral("%1 is not run when the game starts. To run it, type exec %1 in the game's "
                                      "console, or add that line to userconfig.cfg.")},
        // The review of the writes an action is about to make.
        {"reviewtitle", QStringLiteral("Review the changes")},
        {"reviewintro", QStringLiteral("Quarvel is about to make these changes. Removed lines are red, added lines "
                                       "green.")},
        {"reviewwrite", QStringLiteral("&Write")},
        {"reviewcancel", QStringLiteral("Cancel")},
        {"reviewdontask", QStringLiteral("Don't ask again")},
        // Marks a last line that ends without a line end.
        {"nolineend", QStringLiteral("(no line end)")},
        // The History window of the working file: %1 is the file's name.
        {"historytitle", QStringLiteral("History of %1")},
        {"historyempty", QStringLiteral("No earlier version of %1 is kept yet: there is nothing to restore.")},
        {"historycompare", QStringLiteral("Changes from the selected version to:")},
        {"historycurrent", QStringLiteral("the file as it is now")},
        {"historyoutside", QStringLiteral("changed outside Quarvel")},
        {"historyrestore", QStringLiteral("&Restore this version")},
        {"historyclose", QStringLiteral("Close")},
        {"historysame", QStringLiteral("No difference.")},
        // %1 is the file's name, %2 the time of the version put back.
        {"historyrestored", QStringLiteral("%1: the version of %2 was restored (Ctrl+Z undoes it)")},
        // The Binder's keys across the files the game runs: %1 a file, %2 its line, %3 that line's
        // command; then a command and such a place; then a key, such a place and the working file.
        {"boundinfile", QStringLiteral("%1, line %2: %3")},
        {"bindnotkept", QStringLiteral("%1 (not in effect: %2)")},
        {"boundelsewhere",
         QStringLiteral("\"%1\" is bound by %2. %3 does not bind it. Choose this key to bind it in %3?")},
        // config.cfg's lines the game drops at exit, and their move to userconfig.cfg; %1 a count.
        {"lossone", QStringLiteral("1 line of config.cfg is lost when the game exits")},
        {"losscount", QStringLiteral("%1 lines of config.cfg are lost when the game exits")},
        {"losstitle", QStringLiteral("Lines config.cfg loses when the game exits")},
        {"lossintro",
         QStringLiteral(
             "When it exits, the game writes config.cfg anew and drops these lines. The lines marked to move can go to "
             "the end of userconfig.cfg, which the game runs after config.cfg and never rewrites.")},
        {"losscolline", QStringLiteral("Line")},
        {"losscoltext", QStringLiteral("Text")},
        {"losscolreason", QStringLiteral("Why it is lost")},
        {"losscolmove", QStringLiteral("Moves to userconfig.cfg")},
        {"lossalias", QStringLiteral("alias")},
        {"losscomment", QStringLiteral("comment")},
        {"lossexec", QStringLiteral("exec of another file")},
        {"lossnotarchived", QStringLiteral("variable the game does not keep")},
        {"lossunknownkey", QStringLiteral("bind of a key the game does not know")},
        {"lossmoves", QStringLiteral("yes")},
        {"lossstaykept", QStringLiteral("no: the game keeps part of the line")},
        {"lossstayunknown", QStringLiteral("no: the key does nothing in userconfig.cfg either")},
        {"lossstayuserconfig", QStringLiteral("no: userconfig.cfg would run itself")},
        {"lossstayagain", QStringLiteral("no: a later line sets it again, and moved it would win")},
        {"lossmove", QStringLiteral("Move to userconfig.cfg")},
        {"lossmoved", QStringLiteral("Lines moved from config.cfg to the end of userconfig.cfg: %1")},
        {"lossexecadded",
         QStringLiteral(
             "config.cfg now ends with exec userconfig.cfg, so that the moved lines run when the game starts.")},
        // Backups kept as versions, and what Restore CFG offers: %1 is a file's name, a time, or a
        // backup's name (then %2 its time); a version's %2 is the action it was kept before.
        {"backupname", QStringLiteral("Name of the backup:")},
        {"restorechoose", QStringLiteral("Choose what to put back into %1:")},
        {"restorefile", QStringLiteral("Backup file, saved %1")},
        {"restorebackup", QStringLiteral("Backup \"%1\", %2")},
        {"restoreversion", QStringLiteral("Version of %1 (%2)")},
        {"restorebutton", QStringLiteral("Restore")},
        // The HUDs' restore, one line per slot: %1 is the game's sprite file.
        {"hudrestored", QStringLiteral("%1: the game's own file is back")},
        {"hudnorestore", QStringLiteral("%1: nothing to restore (no copy of the game's own file was kept)")},
    };
    static const QList<Entry> withFileErrors = [] {
        QList<Entry> all = table;
        for (const auto& [key, text] : FileError::english())
            all.append({key, text});
        return all;
    }();
    return withFileErrors;
}

QString englishText(const QString& key)
{
    for (const Entry& e : english()) {
        if (key == QLatin1String(e.key))
            return e.text;
    }
    return QString();
}

} // namespace MessageTexts
