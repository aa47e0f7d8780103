#pragma once

#include "platform/Dialogs.h"

#include <QMessageBox>

#include <functional>

class QWidget;

// Real dialogs. The information window is the program's own; until it exists (and for
// callers that run before it is made) a plain message box stands in.
class QtDialogs final : public Dialogs {
public:
    void message(Kind kind, const QString& text) override;
    bool question(const QString& text, Default byDefault = Default::Yes) override;
    int choose(const QString& text, const QStringList& answers) override;
    QString openFile(const QString& title, const QString& filter, const QString& startDir) override;
    void information(const QString& title, const QString& text) override;
    bool inputText(const QString& title, const QString& label, QString& text) override;

    // Fills a message box, its text shown as plain text (a file name is never markup), and makes
    // it wide enough for its whole title, which a window manager would otherwise cut, and for
    // every line of its text up to about 60 characters; longer lines may wrap.
    static void prepareBox(QMessageBox& box, QMessageBox::Icon icon, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons);

    std::function<void(const QString& title, const QString& text)> informationWindow;
    QWidget* parent = nullptr;
};
