#pragma once

#include <QWidget>

class QLabel;

// The start-up window. After start-up it stays alive, hidden: its hidden labels, one per
// message key, hold the message texts in the interface language.
class TSplashForm final : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    // The caption of the message label `key` as it is now; empty for an unknown key.
    QString message(const QString& key) const;

    QLabel* Image1 = nullptr;
};
