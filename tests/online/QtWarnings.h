#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Collects the warnings Qt prints while it lives, from any thread, except the offscreen
// platform's notes on what it cannot do (raise a window, hint at its size, keep a tray icon).
class QtWarnings final {
public:
    QtWarnings()
        : m_previous(qInstallMessageHandler(&QtWarnings::handle))
    {
        s_current = this;
    }
    ~QtWarnings()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    QStringList taken() const
    {
        QMutexLocker lock(&m_mutex);
        return m_taken;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        QtWarnings* self = s_current;
        if (type == QtDebugMsg || type == QtInfoMsg || !self || text.startsWith(u"This plugin does not support") ||
            text.contains(u"systemTrayWindowChanged")) {
            if (self)
                self->m_previous(type, context, text);
            return;
        }
        QMutexLocker lock(&self->m_mutex);
        self->m_taken << text;
    }

    static inline QtWarnings* s_current = nullptr;
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_taken;
};
