#pragma once

#include <QObject>
#include <QPointer>

class AppState;
class HistoryWindow;
class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class QWidget;

// The Main page's way to the working file's history: a button beside the list and an entry in
// the list's pop-up menu open the History window; and the switch that shows every write for
// review first (the review window's "Don't ask again", the other way round).
class MainHistoryControls final : public QObject {
    Q_OBJECT
public:
    // The button and the switch are made in `box`; the entry is added to `listMenu`.
    MainHistoryControls(AppState& state, QWidget* box, QMenu* listMenu, QWidget* window);

    QPushButton* button() const { return m_button; }
    QCheckBox* reviewSwitch() const { return m_switch; }
    // With no file selected there is no history to show.
    void setEnabled(bool enabled);
    // The History window of the working file, made when first needed.
    void openHistory();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    // A version was put back into the working file: the pages read it again.
    void restored();

private:
    AppState& m_state;
    QWidget* m_window;
    QPushButton* m_button = nullptr;
    QAction* m_action = nullptr;
    QCheckBox* m_switch = nullptr;
    QPointer<HistoryWindow> m_history;
};
