#pragma once

#include <QDialog>

class QListWidget;

// The configuration wizard, shown modally from the main window. Its list `Configs` always
// mirrors the main window's configuration list.
class Twizard final : public QDialog {
    Q_OBJECT
public:
    explicit Twizard(QWidget* parent = nullptr);

    QListWidget* Configs = nullptr;
};
