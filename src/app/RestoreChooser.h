#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// The window in which Restore CFG asks what to put back: one line per backup or version, the
// first selected, with Restore and Cancel. It is opened with open() and answers with chosen()
// (a double click chooses too); Cancel, Escape or closing it chooses nothing. It removes itself
// once closed.
class RestoreChooser final : public QDialog {
    Q_OBJECT
public:
    RestoreChooser(const QString& title, const QString& prompt, const QStringList& entries, const QString& restoreText,
                   QWidget* parent = nullptr);

Q_SIGNALS:
    // The row of the entry chosen.
    void chosen(int row);

private:
    QListWidget* m_entries = nullptr;       // RestoreList
    QPushButton* m_restoreButton = nullptr; // RestoreChosen
};
