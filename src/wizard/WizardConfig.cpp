#include "wizard/WizardConfig.h"

#include "config/AppState.h"
#include "config/Settings.h"
#include "config/TextCodec.h"
#include "platform/Dialogs.h"
#include "platform/FileError.h"
#include "platform/SettingsStore.h"
#include "platform/WriteCheck.h"
#include "wizard/WizardAnswers.h"
#include "wizard/WizardName.h"
#include "wizard/WizardTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <optional>
#include <utility>

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool readAll(const QString& path, QByteArray& bytes, QString& error, const FileError::Texts& texts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = FileError::text(texts, "cannotread", path, file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = FileError::text(texts, "cannotread", path, file.errorString());
        return false;
    }
    return true;
}

// Writes `bytes` to a temporary file beside `path` and renames it into place, so that `path`
// holds either its old content or all of the new one.
bool writeWhole(const QString& path, const QByteArray& bytes, QString& error, const FileError::Texts& texts = {})
{
    if (const QString refusal = WriteCheck::refusal(path, texts); !refusal.isEmpty()) {
        error = refusal;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = FileError::text(texts, "cannotwrite", path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

// Puts the target back as it was before the copy: removed when it was new, else its old bytes.
void undoCopy(const QString& path, bool existed, const QByteArray& oldBytes)
{
    QString ignored;
    if (existed)
        writeWhole(path, oldBytes, ignored);
    else
        QFile::remove(path);
}

} // namespace

WizardResult WriteWizardConfig(AppState& state, const WizardAnswers& answers)
{
    WizardResult result;
    result.cfgFile = state.working.file();

    // 1. Everything is checked before anything changes.
    const WizardName::Verdict verdict =
        WizardName::classify(answers.cfgName, state.working.folder(), state.working.file());
    if (verdict.kind == WizardName::Kind::Refused) {
        const bool empty = verdict.messageKey == QLatin1String("emptyname");
        state.dialogs.information(state.message(QStringLiteral("Information")),
                                  empty ? answers.emptyNameText : state.message(verdict.messageKey));
        result.outcome = WizardResult::Outcome::BackToName;
        return result;
    }
    const std::optional<int> buttons = WizardTables::buttonCount(answers.buttonsIndex, answers.buttonsText);
    if (!buttons) {
        state.dialogs.error(state.message(QStringLiteral("notinteger")).arg(answers.buttonsText));
        return result;
    }
    if (!TextCodec::isWritable(answers.name.text)) {
        state.dialogs.error(state.message(QStringLiteral("notwritable")).arg(answers.nameCaption.trimmed()));
        return result;
    }

    // 2. Another configuration (autoexec.cfg holds the binder's aliases) is replaced only on Yes.
    const bool copying = verdict.kind != WizardName::Kind::WorkingFile;
    const QString workingPath = state.working.path();
    const QString targetFile = copying ? answers.cfgName : state.working.file();
    const QString targetPath = state.working.folder() + targetFile;
    if (verdict.kind == WizardName::Kind::OtherFile &&
        !state.dialogs.question(state.message(QStringLiteral("replacecfg")).arg(shown(targetPath)),
                                Dialogs::Default::No)) {
        result.outcome = WizardResult::Outcome::BackToName;
        return result;
    }

    // 3. The new file is a whole copy of the working file, or nothing.
    const CfgStore before = state.working.store();
    QString error;
    bool targetExisted = false;
    QByteArray targetOldBytes;
    if (copying) {
        // The store reads the working file first, so that a file it refuses is named as itself and
        // not as the copy.
        if (!state.working.store().LoadCfg(workingPath, &error)) {
            state.working.store() = before;
            state.dialogs.error(error);
            return result;
        }
        QByteArray bytes;
        // A folder in the file's place is left to the write below, which says it cannot replace it.
        targetExisted = QFileInfo(targetPath).isFile();
        if (!readAll(workingPath, bytes, error, state.texts()) ||
            (targetExisted && !readAll(targetPath, targetOldBytes, error, state.texts())) ||
            !writeWhole(targetPath, bytes, error, state.texts())) {
            state.working.store() = before;
            state.dialogs.error(error);
            return result;
        }
    }

    // 4. The answers' variables, in their order, then the save.
    CfgStore& store = state.working.store();
    bool saved = store.LoadCfg(targetPath, &error);
    if (saved) {
        for (const WizardTables::Var& var : WizardTables::storeCalls(answers))
            store.SetCfgVar(var.name, var.value);
        saved = store.SaveCfg(targetPath, &error);
    }
    if (!saved) {
        if (copying)
            undoCopy(targetPath, targetExisted, targetOldBytes);
        state.working.store() = before;
        state.dialogs.error(error);
        return result;
    }
    state.working.setWorkingFile(targetFile);

    // 5. The settings. The file is written by now, so a setting that cannot be stored is reported
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
