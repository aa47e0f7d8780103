#include "config/OptionsFileMark.h"

#include "config/AppState.h"
#include "config/OptionsSetting.h"
#include "config/RuntimeHint.h"

#include <QAbstractSpinBox>
#include <QVariant>
#include <QWidget>

namespace OptionsFileMark {

namespace {
constexpr const char* ShownProperty = "fileMark";
}

void update(QWidget* field, const FileMark& mark, const QString& shown)
{
    if (mark.covers(shown))
        showFrame(field, ShownProperty, "#c98200", mark.tip);
    else
        hideFrame(field, ShownProperty);
}

void showFrame(QWidget* field, const char* property, const char* colour, const QString& tip)
{
    RuntimeHint::mark(field);
    field->setToolTip(tip);
    if (field->property(property).toBool())
        return;
    field->setProperty(property, true);
    const char* kind = qobject_cast<QAbstractSpinBox*>(field) ? "QAbstractSpinBox" : "QLineEdit";
    field->setStyleSheet(QStringLiteral("%1 { border: 2px solid %2; border-radius: 2px; }")
                             .arg(QLatin1String(kind), QLatin1String(colour)));
}

void hideFrame(QWidget* field, const char* property)
{
    if (!field->property(property).toBool())
        return;
    field->setProperty(property, false);
    field->setStyleSheet(QString());
    field->setToolTip(QString());
}

bool isShown(const QWidget* field)
{
    return field->property(ShownProperty).toBool();
}

QString caption(const AppState& state, const QString& value)
{
    return state.message(Msg::InFile).arg(value);
}

} // namespace OptionsFileMark
