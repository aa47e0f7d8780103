#include "config/OptionsValues.h"

#include "config/AppState.h"
#include "config/CfgStore.h"
#include "platform/Dialogs.h"

#include <QRadioButton>

namespace OptionsValues {

std::optional<int> toInteger(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool conversionError(const AppState& state, const QString& text)
{
    state.dialogs.error(state.message(QStringLiteral("notinteger")).arg(text));
    return false;
}

bool isWritable(const QString& text)
{
    return !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'));
}

QString read(CfgStore& store, const char* name)
{
    QByteArray value;
    store.GetCfgVar(name, value);
    return QString::fromLocal8Bit(value);
}

QString KeptText::read(CfgStore& store, const char* name)
{
    m_bytes.clear();
    store.GetCfgVar(name, m_bytes);
    m_shown = QString::fromLocal8Bit(m_bytes);
    return m_shown;
}

QByteArray KeptText::bytesFor(const QString& shown) const
{
    return shown == m_shown ? m_bytes : shown.toLocal8Bit();
}

bool isPresent(CfgStore& store, const char* name)
{
    QByteArray value;
    return store.GetCfgVar(name, value);
}

void write(CfgStore& store, const char* name, const QString& value)
{
    store.SetCfgVar(name, value.toLocal8Bit());
}

void readPair(CfgStore& store, const char* name, QRadioButton* one, QRadioButton* zero)
{
    const QString value = read(store, name);
    if (value == QLatin1String("1"))
        one->setChecked(true);
    else if (value == QLatin1String("0"))
        zero->setChecked(true);
}

void writePair(CfgStore& store, const char* name, const QRadioButton* one, const QRadioButton* zero)
{
    if (one->isChecked())
        write(store, name, QStringLiteral("1"));
    else if (zero->isChecked())
        write(store, name, QStringLiteral("0"));
}

} // namespace OptionsValues
