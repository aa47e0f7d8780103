#pragma once

#include "crosshair/CrosshairBackdrop.h"
#include "crosshair/CrosshairGeometry.h"

#include <QColor>
#include <QWidget>

class QComboBox;
class QLabel;
class QRadioButton;

// The crosshair as the game would draw it with the page's settings: a screen of the chosen
// resolution, scaled to fit, with a loupe on its centre in the screen's own pixels. The user
// picks the resolution, the weapon, what the player is doing and the ground; the page gives the
// settings with show().
class CrosshairPreview final : public QWidget {
    Q_OBJECT
public:
    struct Look {
        QColor color{50, 250, 50};
        CrosshairGeometry::Size size = CrosshairGeometry::Size::Auto;
        bool translucent = true;
        bool dynamic = true;
    };

    explicit CrosshairPreview(QWidget* parent = nullptr);

    void show(const Look& look);
    // What is drawn now, for the screen and the settings shown.
    CrosshairGeometry::View view() const;
    const Look& look() const { return m_look; }
    CrosshairBackdrop::Kind backdrop() const;

private:
    void redraw();

    Look m_look;
    QWidget* m_canvas = nullptr;
    QComboBox* m_resolution = nullptr;
    QComboBox* m_weapon = nullptr;
    QList<QRadioButton*> m_states;
    QList<QRadioButton*> m_backdrops;
    QLabel* m_scoped = nullptr;
};
