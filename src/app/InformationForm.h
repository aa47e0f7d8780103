#pragma once

#include <QDialog>

class QLabel;

// The small modal information window.
class TInformationForm final : public QDialog {
    Q_OBJECT
public:
    explicit TInformationForm(QWidget* parent = nullptr);

    // Shows `text` under the caption `title`, modally; returns when the user closes it.
    void ShowInformation(const QString& title, const QString& text);
    // Fills the window without showing it (the modal step is left to ShowInformation).
    void setContent(const QString& title, const QString& text);

private:
    QLabel* m_text = nullptr;
};
