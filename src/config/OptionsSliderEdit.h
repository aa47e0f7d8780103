#pragma once

#include "config/OptionsSetting.h"

#include <QString>
#include <QWidget>

#include <optional>

class AppState;
class QLineEdit;
class QSlider;

// A slider and the edit beside it, kept in step: the edit shows the slider's position, and a
// number typed into the edit moves the slider (held to its range). An edit that holds no number
// is marked (OptionsNumberMark) and leaves the slider where it was. A value kept as the file has
// it (a FileMark) is shown in the edit with its own frame while the edit holds it. The slider and
// the edit keep their own object names, by which the language files know them.
class OptionsSliderEdit final : public QWidget {
    Q_OBJECT
public:
    struct Range {
        const char* sliderName;
        int minimum;
        int maximum;
        int value;
        const char* editName;
        int editChars;      // the width of the edit; its text has no length limit
        bool ticks = false; // a tick under each position, and Page Up/Down move by one
    };
    struct Rules {
        bool minutes = false; // the edit takes minutes with a fraction ("1.75")
        // A typed number outside the slider's range moves it to the nearest end; with this set it
        // leaves it, and so does a number below 1.
        bool typedInRangeOnly = false;
        bool emptyAllowed = false; // an empty edit is no mistake
    };
    OptionsSliderEdit(const AppState& state, const Range& range, Rules rules, QWidget* parent = nullptr);

    int position() const;
    QString text() const;
    const Rules& rules() const { return m_rules; }
    // The number `text` stands for: a whole number, or minutes; none for no number.
    std::optional<double> number(const QString& text) const;
    bool fits(double n) const;
    // Whether the edit holds no number (and is no allowed empty edit).
    bool isNumberMarked() const;

    const FileMark& fileMark() const { return m_mark; }
    void setFileMark(const FileMark& mark) { m_mark = mark; }
    // Moves the slider to `position` (held to its range) while the edit keeps its text.
    void moveTo(int position);
    // Shows `text` in the edit; the marks follow it even when the edit already held it.
    void showText(const QString& text);

Q_SIGNALS:
    void positionChanged(int position);

private:
    void sliderMoved();
    void editChanged();

    const AppState& m_state;
    QSlider* m_slider;
    QLineEdit* m_edit;
    Rules m_rules;
    FileMark m_mark;
    bool m_fromEdit = false;
};
