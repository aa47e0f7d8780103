#pragma once

#include <QWidget>

class AppState;
class DiffView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The kept versions of the working file, newest first with their local time and action
// ("changed outside" ones as such); the changes from the selected version to the file as it is
// now or to another version; and Restore of the selected version, shown for review first and
// undone with Ctrl+Z in the main window like any write. It follows the working file and lists
// anew whenever the program writes it or notices an outside change.
class HistoryWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HistoryWindow(AppState& state, QWidget* parent = nullptr);

    // Lists the working file's versions again, keeping the selection where it can.
    void refresh();

Q_SIGNALS:
    // A version was put back into the working file.
    void restored();

private:
    void showDiff();
    void restoreSelected();
    // The bytes the list's or the box's entry stands for: a version, or the file as it is now.
    QByteArray versionBytes(int n) const;
    QByteArray currentBytes() const;

    AppState& m_state;
    QLabel* m_note = nullptr;
    QListWidget* m_versions = nullptr;
    QComboBox* m_compareWith = nullptr;
    DiffView* m_diff = nullptr;
    QPushButton* m_restoreButton = nullptr;
};
