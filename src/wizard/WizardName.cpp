#include "wizard/WizardName.h"

#include "config/AppState.h"
#include "wizard/WizardAnswers.h"

#include <QFileInfo>

namespace WizardName {

namespace {

bool isBareName(const QString& name)
{
    if (name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (QStringView(u"/\\:\"<>|?*").contains(c))
            return false;
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    return !isDeviceName(name);
}

bool hasCfgExtension(const QString& name)
{
    return name.size() > 4 && name.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive);
}

bool sameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool isDeviceName(const QString& name)
{
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (stem == QLatin1String("CON") || stem == QLatin1String("PRN") || stem == QLatin1String("AUX") ||
        stem == QLatin1String("NUL"))
        return true;
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
           stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

Refusal refusal(const QString& typed)
{
    if (typed == WizardAnswers::workingFileText())
        return Refusal::None;
    if (typed.isEmpty())
        return Refusal::EmptyName;
    if (!isBareName(typed))
        return Refusal::NotBareName;
    if (!hasCfgExtension(typed))
        return Refusal::WrongExtension;
    return Refusal::None;
}

QString reason(Refusal refusal, const AppState& state, const QString& emptyNameText)
{
    switch (refusal) {
    case Refusal::None:
        return QString();
    case Refusal::EmptyName:
        return emptyNameText;
    case Refusal::NotBareName:
        return state.message(Msg::NotBareName);
    case Refusal::WrongExtension:
        return state.message(Msg::WrongExtension);
    }
    return QString();
}

Verdict classify(const QString& typed, const QString& cfgDir, const QString& cfgFile)
{
    if (typed == WizardAnswers::workingFileText())
        return {Kind::WorkingFile};
    if (const Refusal why = refusal(typed); why != Refusal::None)
        return {Kind::Refused, why};
    // Copying the working file onto itself would empty it before the copy reads it.
    if (typed.compare(cfgFile, Qt::CaseInsensitive) == 0 || sameFile(cfgDir + typed, cfgDir + cfgFile))
        return {Kind::WorkingFile};
    if (QFileInfo::exists(cfgDir + typed))
        return {Kind::OtherFile};
    return {Kind::NewFile};
}

} // namespace WizardName
