#pragma once

#include "platform/Dialogs.h"

#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

#include <gtest/gtest.h>

// Scripted dialogs for tests: records every message shown and answers from queues.
// An unanswered question says No, an unanswered choice takes its last answer, an unanswered file
// dialog is cancelled.
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString what;  // "information", "warning", "error", "question", "choice", "openFile", "window", "input"
        QString title; // a choice's answers, joined by '|'
        QString text;
    };

    void message(Kind kind, const QString& text) override
    {
        const char* what = kind == Kind::Error ? "error" : kind == Kind::Warning ? "warning" : "information";
        shown.append({QLatin1String(what), QString(), text});
        if (onMessage)
            onMessage();
    }
    bool question(const QString& text, Default byDefault = Default::Yes) override
    {
        shown.append({QStringLiteral("question"), QString(), text});
        questionDefaults.append(byDefault);
        return answers.isEmpty() ? false : answers.dequeue();
    }
    int choose(const QString& text, const QStringList& answers) override
    {
        shown.append({QStringLiteral("choice"), answers.join(QLatin1Char('|')), text});
        return choices.isEmpty() ? static_cast<int>(answers.size()) - 1 : choices.dequeue();
    }
    QString openFile(const QString& title, const QString& filter, const QString& startDir) override
    {
        shown.append({QStringLiteral("openFile"), title, filter + QLatin1Char('|') + startDir});
        // A prompt that repeats until a file is chosen would never end: fail the test instead.
        if (++m_unanswered > 50 && files.isEmpty()) {
            ADD_FAILURE() << "the file dialog was cancelled 50 times";
            return QStringLiteral("/nonexistent/config.cfg");
        }
        return files.isEmpty() ? QString() : files.dequeue();
    }
    void information(const QString& title, const QString& text) override
    {
        shown.append({QStringLiteral("window"), title, text});
    }
    bool inputText(const QString& title, const QString& label, QString& text) override
    {
        shown.append({QStringLiteral("input"), title, label});
        if (inputs.isEmpty())
            return false;
        text = inputs.dequeue();
        return true;
    }

    // The texts of everything shown of one kind, in order.
    QStringList texts(const QString& what) const
    {
        QStringList out;
        for (const Shown& s : shown) {
            if (s.what == what)
                out << s.text;
        }
        return out;
    }

    QList<Shown> shown;
    // Runs while a message box is up: what the windows show behind it at that moment.
    std::function<void()> onMessage;
    QQueue<bool> answers;
    // The index of the answer each choice takes.
    QQueue<int> choices;
    // The default button of each question, in order.
    QList<Default> questionDefaults;
    QQueue<QString> files;
    QQueue<QString> inputs;

private:
    int m_unanswered = 0;
};
