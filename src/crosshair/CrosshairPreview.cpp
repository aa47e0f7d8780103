#include "crosshair/CrosshairPreview.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace CrosshairGeometry;

namespace {

constexpr std::array<QSize, 3> Resolutions = {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)};
// Firing shows the crosshair right after this many shots in a row.
constexpr int BurstShots = 3;
constexpr int LoupeSide = 64;

// Draws the screen `view` shows: the ground, then the crosshair's lines, each at least one pixel
// of the widget thick, added to the ground (translucent) or laid over it.
void paintScreen(QPainter& p, const QTransform& toWidget, const View& view, const CrosshairPreview::Look& look,
                 CrosshairBackdrop::Kind backdrop)
{
    p.save();
    p.setTransform(toWidget, true);
    CrosshairBackdrop::paint(p, QSizeF(view.screenWidth, view.screenHeight), backdrop);
    p.restore();
    const Shape shape = CrosshairGeometry::shape(view);
    if (!shape.drawn)
        return;
    p.save();
    QColor color = look.color;
    if (look.translucent) {
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        const auto scaled = [&](int c) { return c * shape.alpha / 255; };
        color = QColor(scaled(color.red()), scaled(color.green()), scaled(color.blue()));
    } else {
        color.setAlpha(shape.alpha);
    }
    for (const QRect& line : shape.lines) {
        QRectF r = toWidget.mapRect(QRectF(line));
        r.setWidth(std::max(r.width(), 1.0));
        r.setHeight(std::max(r.height(), 1.0));
        p.fillRect(r.toAlignedRect(), color);
    }
    p.restore();
}

class Canvas final : public QWidget {
public:
    explicit Canvas(const CrosshairPreview& preview)
        : m_preview(preview)
    {
        setFixedSize(200, 130);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const View view = m_preview.view();
        const double scale = std::min(double(width()) / view.screenWidth, double(height()) / view.screenHeight);
        const QPointF offset((width() - view.screenWidth * scale) / 2, (height() - view.screenHeight * scale) / 2);
        paintScreen(p, QTransform::fromTranslate(offset.x(), offset.y()).scale(scale, scale), view, m_preview.look(),
                    m_preview.backdrop());

        // The loupe: the centre of the screen in its own pixels, as large as the game draws it.
        const QRect loupe(width() - LoupeSide - 4, 4, LoupeSide, LoupeSide);
        p.save();
        p.setClipRect(loupe);
        const QPointF centre(view.screenWidth / 2 + 0.5, view.screenHeight / 2 + 0.5);
        const QTransform toLoupe = QTransform::fromTranslate(loupe.center().x() + 0.5, loupe.center().y() + 0.5)
                                       .translate(-centre.x(), -centre.y());
        paintScreen(p, toLoupe, view, m_preview.look(), m_preview.backdrop());
        p.restore();
        p.setPen(QColor(200, 200, 200));
        p.drawRect(loupe.adjusted(0, 0, -1, -1));
    }

private:
    const CrosshairPreview& m_preview;
};

// Lets the wheel scroll the page over a list box unless the box has the keyboard focus, so that
// scrolling past the preview never changes what it shows.
class WheelOnlyWithFocus final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

QRadioButton* radio(QGridLayout* grid, int row, int column, const char* name, const char* text)
{
    auto* button = new QRadioButton(QString::fromUtf8(text));
    button->setObjectName(QString::fromLatin1(name));
    grid->addWidget(button, row, column);
    return button;
}

} // namespace

CrosshairPreview::CrosshairPreview(QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_canvas = new Canvas(*this);
    column->addWidget(m_canvas);

    auto* pickers = new QHBoxLayout;
    m_resolution = new QComboBox;
    m_resolution->setObjectName(QStringLiteral("xp_resolution"));
    for (const QSize& r : Resolutions)
        m_resolution->addItem(QStringLiteral("%1×%2").arg(r.width()).arg(r.height()));
    m_weapon = new QComboBox;
    m_weapon->setObjectName(QStringLiteral("xp_weapon"));
    for (const Weapon& w : weapons())
        m_weapon->addItem(QString::fromLatin1(w.name));
    for (QComboBox* box : {m_resolution, m_weapon}) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(new WheelOnlyWithFocus(box));
    }
    pickers->addWidget(m_resolution);
    pickers->addWidget(m_weapon);
    pickers->addStretch(1);
    column->addLayout(pickers);

    auto* grid = new QGridLayout;
    m_states = {radio(grid, 0, 0, "xp_still", "Still"), radio(grid, 0, 1, "xp_moving", "Moving"),
                radio(grid, 1, 0, "xp_crouched", "Crouched"), radio(grid, 1, 1, "xp_jumping", "Jumping"),
                radio(grid, 2, 0, "xp_firing", "Firing")};
    m_states.front()->setChecked(true);
    column->addLayout(grid);
    auto* grounds = new QGridLayout;
    m_backdrops = {radio(grounds, 0, 0, "xp_corridor", "Corridor"), radio(grounds, 0, 1, "xp_sand", "Sand"),
                   radio(grounds, 0, 2, "xp_sky", "Sky")};
    m_backdrops.front()->setChecked(true);
    // The two groups of buttons choose apart.
    for (const QList<QRadioButton*>* group : {&m_states, &m_backdrops}) {
        auto* buttons = new QButtonGroup(this);
        for (QRadioButton* b : *group) {
            buttons->addButton(b);
            connect(b, &QRadioButton::toggled, this, &CrosshairPreview::redraw);
        }
    }
    column->addLayout(grounds);

    m_scoped = new QLabel(QStringLiteral("No crosshair: the game shows this weapon's scope instead."));
    m_scoped->setObjectName(QStringLiteral("xp_scoped"));
    m_scoped->setWordWrap(true);
    column->addWidget(m_scoped);

    connect(m_resolution, &QComboBox::currentIndexChanged, this, &CrosshairPreview::redraw);
    connect(m_weapon, &QComboBox::currentIndexChanged, this, &CrosshairPreview::redraw);
    redraw();
}

void CrosshairPreview::show(const Look& look)
{
    m_look = look;
    redraw();
}

View CrosshairPreview::view() const
{
    View v;
    const QSize screen = Resolutions[static_cast<size_t>(std::max(m_resolution->currentIndex(), 0))];
    v.screenWidth = screen.width();
    v.screenHeight = screen.height();
    v.size = m_look.size;
    v.dynamic = m_look.dynamic;
    v.weapon = &weapons()[static_cast<size_t>(std::max(m_weapon->currentIndex(), 0))];
    const auto state = std::find_if(m_states.begin(), m_states.end(), [](auto* b) { return b->isChecked(); });
    const int index = static_cast<int>(state - m_states.begin());
    if (index == 4)
        v.shots = BurstShots;
    else if (index < 4)
        v.stance = static_cast<Stance>(index);
    return v;
}

CrosshairBackdrop::Kind CrosshairPreview::backdrop() const
{
    for (qsizetype i = 0; i < m_backdrops.size(); ++i) {
        if (m_backdrops[i]->isChecked())
            return static_cast<CrosshairBackdrop::Kind>(i);
    }
    return CrosshairBackdrop::Kind::Corridor;
}

void CrosshairPreview::redraw()
{
    m_scoped->setVisible(!CrosshairGeometry::shape(view()).drawn);
    m_canvas->update();
}
