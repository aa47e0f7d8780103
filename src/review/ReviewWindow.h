#pragma once

#include "history/PendingWrite.h"

#include <QDialog>
#include <QList>

class AppState;
class QCheckBox;

// The writes of one action, shown before they are made: one coloured diff per file under the
// file's name, Write and Cancel, and "Don't ask again", which Write stores so that later writes
// go ahead unseen. It answers with QDialog's accepted and rejected; Cancel changes nothing.
class ReviewWindow final : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(AppState& state, const QList<PendingWrite>& writes, QWidget* parent = nullptr);

    // The reviewer of the running program: true at once when the user asked not to be asked,
    // else the window's answer, waited for in an event loop of its own.
    static bool ask(AppState& state, const QList<PendingWrite>& writes, QWidget* parent);

private:
    void write();

    AppState& m_state;
    QCheckBox* m_dontAsk = nullptr;
};
