#include "config/MessageCatalog.h"

#include "config/MessageTexts.h"

MessageCatalog::MessageCatalog()
{
    resetToEnglish();
}

void MessageCatalog::resetToEnglish()
{
    m_texts.clear();
    for (const MessageTexts::Entry& e : MessageTexts::english())
        m_texts.append({QLatin1String(e.key), e.text});
}

qsizetype MessageCatalog::indexOf(QStringView key, Qt::CaseSensitivity cs) const
{
    for (qsizetype i = 0; i < m_texts.size(); ++i) {
        if (key.compare(m_texts[i].first, cs) == 0)
            return i;
    }
    return -1;
}

QString MessageCatalog::text(MessageKey key) const
{
    const QString name = key.text();
    const qsizetype i = indexOf(name, Qt::CaseSensitive);
    Q_ASSERT_X(i >= 0, "MessageCatalog::text", key.name);
    return i >= 0 ? m_texts[i].second : name;
}

QString MessageCatalog::text(const QString& key) const
{
    const qsizetype i = indexOf(key, Qt::CaseSensitive);
    return i >= 0 ? m_texts[i].second : QString();
}

bool MessageCatalog::setText(const QString& key, const QString& text)
{
    const qsizetype i = indexOf(key, Qt::CaseInsensitive);
    if (i < 0 || text.isEmpty())
        return false;
    m_texts[i].second = text;
    return true;
}
