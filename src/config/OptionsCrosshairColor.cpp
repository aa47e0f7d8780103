#include "config/OptionsCrosshairColor.h"

#include "config/AppState.h"
#include "config/OptionsFileMark.h"
#include "config/OptionsValueRules.h"
#include "config/RuntimeHint.h"

#include <QRadioButton>

#include <utility>

namespace {

QColor colorOf(const QString& text)
{
    const auto rgb = OptionsValueRules::rgb(text);
    return rgb ? QColor((*rgb)[0], (*rgb)[1], (*rgb)[2]) : QColor();
}

QString numbersOf(const QColor& color)
{
    return QStringLiteral("%1 %2 %3").arg(color.red()).arg(color.green()).arg(color.blue());
}

} // namespace

CrosshairColorSetting::CrosshairColorSetting(const char* name, QList<Preset> presets, QRadioButton* own)
    : m_name(name)
    , m_presets(std::move(presets))
    , m_own(own)
{
    RuntimeHint::mark(m_own);
    m_own->hide();
}

void CrosshairColorSetting::setOwn(const QString& text, const QColor& color, bool fromFile)
{
    m_ownFromFile = fromFile;
    m_ownColor = color;
    m_own->setProperty("fileMark", fromFile);
    m_own->setText(text);
    m_own->show();
    m_own->setChecked(true);
}

void CrosshairColorSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    if (!v.found) {
        if (m_own->isChecked()) {
            m_own->setAutoExclusive(false);
            m_own->setChecked(false);
            m_own->setAutoExclusive(true);
        }
        m_own->hide();
        return;
    }
    const QColor color = colorOf(v.text);
    for (const Preset& p : std::as_const(m_presets)) {
        if (color.isValid() && color == colorOf(QLatin1String(p.value))) {
            p.button->setChecked(true);
            m_own->hide();
            return;
        }
    }
    setOwn(OptionsFileMark::caption(read.state(), v.text), color, true);
    m_own->setToolTip(read.mark(m_name, v.text).tip);
    if (!color.isValid())
        read.reportBad(m_name, v.text);
}

void CrosshairColorSetting::addWrites(QList<OptionWrite>& writes) const
{
    for (const Preset& p : m_presets) {
        if (p.button->isChecked()) {
            writes.append(OptionWrite::set(m_name, p.value));
            return;
        }
    }
    if (m_own->isChecked() && !m_ownFromFile)
        writes.append(OptionWrite::set(m_name, numbersOf(m_ownColor).toLatin1()));
    else
        writes.append(OptionWrite::keep(m_name));
}

void CrosshairColorSetting::choose(const QColor& color)
{
    for (const Preset& p : std::as_const(m_presets)) {
        if (color.rgb() == colorOf(QLatin1String(p.value)).rgb()) {
            p.button->setChecked(true);
            return;
        }
    }
    setOwn(numbersOf(color), color, false);
    m_own->setToolTip(QString());
}

QColor CrosshairColorSetting::color() const
{
    for (const Preset& p : m_presets) {
        if (p.button->isChecked())
            return colorOf(QLatin1String(p.value));
    }
    return m_own->isChecked() ? m_ownColor : QColor();
}
