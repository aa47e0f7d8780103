#include "config/OptionsLayout.h"

#include "config/OptionsSpinEdit.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

namespace OptionsLayout {

namespace {

QString captionName(const QString& boxName)
{
    return boxName + QStringLiteral("Caption");
}

QLabel* plainLabel(const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Lets wheel events pass to the scrolling page unless the control has the keyboard focus.
class WheelGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void guardWheel(QWidget* control)
{
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelGuard(control));
}

} // namespace

QVBoxLayout* column(QWidget* page, const char* titleName, const char* title)
{
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* header = new QWidget(page);
    header->setFixedHeight(HeaderHeight);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(8, 0, 8, 0);
    QLabel* label = plainLabel(titleName, title);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    label->setFont(font);
    headerRow->addWidget(label, 0, Qt::AlignLeft | Qt::AlignVCenter);
    headerRow->addStretch(1);
    outer->addWidget(header);

    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll, 1);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 0, 8, 8);
    layout->setSpacing(6);
    scroll->setWidget(content);
    return layout;
}

QLabel* section(QVBoxLayout* column, const char* name, const char* text)
{
    QLabel* label = plainLabel(name, text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    label->setContentsMargins(0, 8, 0, 0);
    column->addWidget(label);
    return label;
}

QGroupBox* box(QVBoxLayout* column, const char* name, const char* caption, const char* hint)
{
    auto* box = new QGroupBox;
    box->setObjectName(QString::fromLatin1(name));
    if (hint)
        box->setToolTip(QString::fromUtf8(hint));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(6);

    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setObjectName(captionName(box->objectName()));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);

    column->addWidget(box);
    return box;
}

QString caption(const QGroupBox* box)
{
    const auto* label = box->findChild<QLabel*>(captionName(box->objectName()), Qt::FindDirectChildrenOnly);
    return label ? label->text() : box->objectName();
}

QHBoxLayout* row(QGroupBox* box)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    static_cast<QVBoxLayout*>(box->layout())->addLayout(row);
    return row;
}

QRadioButton* radio(QHBoxLayout* row, const char* name, const char* text, bool checked)
{
    auto* button = new QRadioButton(QString::fromUtf8(text));
    button->setObjectName(QString::fromLatin1(name));
    button->setChecked(checked);
    row->addWidget(button);
    return button;
}

QLabel* label(QHBoxLayout* row, const char* name, const char* text)
{
    QLabel* label = plainLabel(name, text);
    row->addWidget(label);
    return label;
}

QLineEdit* edit(QHBoxLayout* row, const char* name, const QString& text, int chars)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(name));
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * (chars + 1) + 14);
    row->addWidget(edit);
    return edit;
}

QSlider* slider(QHBoxLayout* row, const char* name, int minimum, int maximum, int value)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    guardWheel(slider);
    row->addWidget(slider, 1);
    return slider;
}

OptionsSpinEdit* spin(QHBoxLayout* row, const char* name, int minimum, int maximum, int value)
{
    auto* spin = new OptionsSpinEdit(minimum, maximum, value);
    spin->setObjectName(QString::fromLatin1(name));
    guardWheel(spin);
    row->addWidget(spin);
    return spin;
}

QPushButton* applyButton(QVBoxLayout* column, const char* name, const char* text)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(QString::fromLatin1(name));
    buttons->addWidget(button);
    column->addSpacing(4);
    column->addLayout(buttons);
    return button;
}

} // namespace OptionsLayout
