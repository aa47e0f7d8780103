#pragma once

#include <QString>
#include <QStringList>

// Every message box, question, open-file dialog and the information window goes through
// this seam. The program uses QtDialogs; tests use a scripted fake that never blocks.
class Dialogs {
public:
    enum class Kind { Information, Warning, Error };
    // The button that Return presses in a question.
    enum class Default { Yes, No };

    virtual ~Dialogs() = default;

    // A message box with one OK button.
    virtual void message(Kind kind, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool question(const QString& text, Default byDefault = Default::Yes) = 0;
    // A question with answers of its own, one button each, the first the default; the index of
    // the one chosen. The last answer is the one that leaves things as they are: closing the box
    // or Escape chooses it.
    virtual int choose(const QString& text, const QStringList& answers) = 0;
    // An open-file dialog; the chosen path, or the empty text when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter, const QString& startDir) = 0;
    // The modal information window (ShowInformation); returns when the user closes it.
    virtual void information(const QString& title, const QString& text) = 0;
    // A one-line text prompt; false when the user cancels.
    virtual bool inputText(const QString& title, const QString& label, QString& text) = 0;

    void error(const QString& text) { message(Kind::Error, text); }
    void info(const QString& text) { message(Kind::Information, text); }
};
