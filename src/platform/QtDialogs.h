#pragma once

#include "platform/Dialogs.h"

#include <functional>

class QWidget;

// Real dialogs. The information window is the program's own; until it exists (and for
// callers that run before it is made) a plain message box stands in.
class QtDialogs final : public Dialogs {
public:
    void message(Kind kind, const QString& text) override;
    bool question(const QString& text) override;
    QString openFile(const QString& title, const QString& filter, const QString& startDir) override;
    void information(const QString& title, const QString& text) override;
    bool inputText(const QString& title, const QString& label, QString& text) override;

    std::function<void(const QString& title, const QString& text)> informationWindow;
    QWidget* parent = nullptr;
};
