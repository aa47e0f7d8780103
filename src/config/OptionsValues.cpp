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

QString read(CfgStore& store, const char* name)
{
    QByteArray value;
    store.GetCfgVar(name, value);
    return decode(value).text;
}

QString KeptText::read(CfgStore& store, const char* name)
{
    QByteArray bytes;
    store.GetCfgVar(name, bytes);
    if (bytes.isEmpty())
        return QString();
    const Decoded decoded = decode(bytes);
    m_bytes = bytes;
    m_shown = decoded.text;
    m_latin1 = decoded.latin1;
    return m_shown;
}

QByteArray KeptText::bytesFor(const QString& shown) const
{
    return shown == m_shown ? m_bytes : encode(shown, m_latin1);
}

void KeptText::write(CfgStore& store, const char* name, const QString& shown) const
{
    store.SetCfgVar(name, bytesFor(shown));
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
