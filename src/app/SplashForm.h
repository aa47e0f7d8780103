#pragma once

#include <QWidget>

// The start-up window: the program's picture, shown while the main window is made.
class TSplashForm final : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);
};
