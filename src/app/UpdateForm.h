#pragma once

#include <QDialog>

// The auto-update window.
class TUpdateForm final : public QDialog {
    Q_OBJECT
public:
    explicit TUpdateForm(QWidget* parent = nullptr);
};
