#pragma once

#include "chain/ArchivedCvars.h"
#include "chain/UserconfigMove.h"

#include <QWidget>

#include <optional>

class AppState;
class QDialog;
class QLabel;
class QPushButton;
class QTableWidget;

// The Main page's word on config.cfg's losses: while config.cfg is the working file, how many of
// its lines the game drops when it exits, and a button that lists them in a window of their own
// with "Move to userconfig.cfg". Hidden for another working file and when nothing is lost.
class MainLossesBox final : public QWidget {
    Q_OBJECT
public:
    explicit MainLossesBox(AppState& state, QWidget* parent = nullptr);

    // The archived variables to judge by, instead of the list in the program's data folder.
    void useArchived(const ArchivedCvars& archived);
    // Reads the game folder again and shows what it finds, in the interface language.
    void refresh();

private:
    bool isConfigWorking() const;
    void showLines();
    void fillLines();
    void moveLines();
    QString stayText(UserconfigMove::Stay stay) const;

    AppState& m_state;
    std::optional<ArchivedCvars> m_archived; // read at the first need; none when it cannot be read
    bool m_archivedTried = false;
    UserconfigMove::Plan m_plan;
    QLabel* m_count = nullptr;
    QPushButton* m_showButton = nullptr;
    QDialog* m_window = nullptr; // built at its first showing
    QLabel* m_intro = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_moveButton = nullptr;
};
