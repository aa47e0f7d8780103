#pragma once

#include <QWidget>

// The start-up window: the program's picture, shown while the main window is made.
class TSplashForm final : public QWidget {
    Q_OBJECT
public:
    // `cacheDir`: where its picture is kept once drawn (none when empty).
    explicit TSplashForm(const QString& cacheDir, QWidget* parent = nullptr);
};
