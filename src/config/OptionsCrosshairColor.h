#pragma once

#include "config/OptionsSetting.h"

#include <QColor>
#include <QList>

class QRadioButton;

// A colour ("R G B") shown as preset buttons and one button of its own for any other colour: the
// file's, kept as the file has it and marked "(in the file)", or one the user chose, written as
// its numbers. Where the file lacks the setting, the file's mark goes and the presets keep what
// they showed.
class CrosshairColorSetting final : public OptionsSetting {
public:
    struct Preset {
        QRadioButton* button;
        const char* value;
    };
    CrosshairColorSetting(const char* name, QList<Preset> presets, QRadioButton* own);

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;

    // Shows `color` as chosen: its preset, or the own button with its numbers.
    void choose(const QColor& color);
    // The colour shown; invalid for a file's value that is no colour.
    QColor color() const;

private:
    void setOwn(const QString& text, const QColor& color, bool fromFile);

    const char* m_name;
    QList<Preset> m_presets;
    QRadioButton* m_own;
    bool m_ownFromFile = false;
    QColor m_ownColor;
};
