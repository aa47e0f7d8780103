#include "wizard/WizardConfig.h"

#include "config/AppState.h"
#include "config/Settings.h"
#include "config/TextCodec.h"
#include "platform/Dialogs.h"
#include "platform/FileCopy.h"
#include "platform/FileError.h"
#include "platform/SettingsStore.h"
#include "platform/WriteCheck.h"
#include "wizard/WizardAnswers.h"
#include "wizard/WizardName.h"
#include "wizard/WizardTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <optional>
#include <utility>

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// What a failed write puts back: the file's bytes before the wizard wrote it, or no file where
// there was none.
struct Undo {
    QString path;
    bool existed = false;
    QByteArray bytes;

    bool run(QString& error, const FileError::Texts& texts) const
    {
        return FileCopy::putBack(path, existed ? std::optional(bytes) : std::nullopt, &error, texts);
    }
};

} // namespace

WizardResult WriteWizardConfig(AppState& state, const WizardAnswers& answers)
{
    WizardResult result;
    result.cfgFile = state.working.file();

    // 1. Everything is checked before anything changes.
    const WizardName::Verdict verdict =
        WizardName::classify(answers.cfgName, state.working.folder(), state.working.file());
    if (verdict.kind == WizardName::Kind::Refused) {
        state.dialogs.information(state.message(Msg::InformationTitle),
                                  WizardName::reason(verdict.refusal, state, answers.emptyNameText));
        result.outcome = WizardResult::Outcome::BackToName;
        return result;
    }
    const std::optional<int> buttons = WizardTables::buttonCount(answers.buttonsIndex, answers.buttonsText);
    if (!buttons) {
        state.dialogs.error(state.message(Msg::NotInteger).arg(answers.buttonsText));
        return result;
    }
    if (!TextCodec::isWritable(answers.name.text)) {
        state.dialogs.error(state.message(Msg::NotWritable).arg(answers.nameCaption.trimmed()));
        return result;
    }

    // 2. Another configuration (autoexec.cfg holds the binder's aliases) is replaced only on Yes.
    const bool copying = verdict.kind != WizardName::Kind::WorkingFile;
    const QString workingFile = state.working.file();
    const QString workingPath = state.working.path();
    const QString targetFile = copying ? answers.cfgName : workingFile;
    const QString targetPath = state.working.folder() + targetFile;
    if (verdict.kind == WizardName::Kind::OtherFile &&
        !state.dialogs.question(state.message(Msg::ReplaceConfigQuestion).arg(shown(targetPath)),
                                Dialogs::Default::No)) {
        result.outcome = WizardResult::Outcome::BackToName;
        return result;
    }

    // 3. What will be written is shown first: the working file with the answers' variables, into
    // the working file itself or into the new file. Cancel there changes nothing.
    {
        CfgStore preview;
        preview.setTexts(state.texts());
        QString error;
        QByteArray targetBytes;
        if (!preview.LoadCfg(workingPath, &error) ||
            (copying && QFileInfo(targetPath).isFile() &&
             !FileCopy::readWhole(targetPath, &targetBytes, &error, state.texts()))) {
            state.dialogs.error(error);
            return result;
        }
        for (const WizardTables::Var& var : WizardTables::storeCalls(answers))
            preview.SetCfgVar(var.name, var.value);
        if (!state.reviewWrites({{targetPath, copying ? targetBytes : preview.loadedBytes(), preview.text()}})) {
            result.outcome = WizardResult::Outcome::Cancelled;
            return result;
        }
    }

    // A failure from here on puts back the store (with any edit another page has not applied yet),
    // the working file and what was written, and says why, and why a file could not be put back.
    const CfgStore before = state.working.store();
    QString error;
    Undo undo;
    undo.path = targetPath;
    bool written = false;
    const auto fail = [&] {
        QString undoError;
        if (written && !undo.run(undoError, state.texts()))
            error += QStringLiteral("\r\n") + undoError;
        state.working.setWorkingFile(workingFile);
        state.working.store() = before;
        state.dialogs.error(error);
        return result;
    };

    // 4. The new file is a whole copy of the working file, or nothing; then it is the working file.
    if (copying) {
        // The working file is read first, so that a file the store refuses is named as itself and not
        // as the copy.
        QByteArray bytes;
        // A folder in the file's place is left to the write below, which says it cannot replace it.
        undo.existed = QFileInfo(targetPath).isFile();
        if (!state.working.load(&error) || !FileCopy::readWhole(workingPath, &bytes, &error, state.texts()) ||
            (undo.existed && !FileCopy::readWhole(targetPath, &undo.bytes, &error, state.texts())))
            return fail();
        written = state.working.writeFile(targetPath, bytes, QStringLiteral("Wizard"), &error, state.texts());
        if (!written)
            return fail();
        state.working.setWorkingFile(targetFile);
    }

    // 5. The answers' variables, in their order, into the working file as it is on disk, so that no
    // edit another page has not applied is saved with them.
    CfgStore& store = state.working.store();
    if (!state.working.load(&error))
        return fail();
    if (!copying) {
        undo.existed = true;
        undo.bytes = store.text(); // the file's bytes as read
    }
    for (const WizardTables::Var& var : WizardTables::storeCalls(answers))
        store.SetCfgVar(var.name, var.value);
    if (!state.working.save(&error, QStringLiteral("Wizard"))) {
        // The save may have written the file and then failed to read it back.
        written = written || store.lastSaveWrote();
        return fail();
    }

    // 6. The settings. The file is written by now, so a setting that cannot be stored is reported
    // and the rest are still written.
    QStringList errors;
    const auto note = [&errors, &error](bool written) {
        if (!written)
            errors << error;
    };
    note(state.settings.write(Setting::ShowServerPage, answers.runsServer, &error));
    note(state.settings.write(Setting::MouseButtons, *buttons, &error));
    note(state.settings.write(Setting::WorkingFile, state.working.file(), &error));
    if (!errors.isEmpty())
        state.dialogs.error(errors.join(QStringLiteral("\r\n")));

    result.outcome = WizardResult::Outcome::Written;
    result.cfgFile = state.working.file();
    result.newFile = copying;
    result.showServer = answers.runsServer;
    result.mouseButtons = *buttons;
    return result;
}
