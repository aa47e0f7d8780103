#include "config/OptionsNumberMark.h"

#include "config/AppState.h"
#include "config/OptionsValues.h"
#include "config/RuntimeHint.h"

#include <QLineEdit>
#include <QVariant>

namespace OptionsNumberMark {

namespace {

constexpr const char* MarkProperty = "notInteger";

} // namespace

std::optional<int> check(const AppState& state, QLineEdit* edit, Empty empty)
{
    const QString text = edit->text();
    const std::optional<int> n = OptionsValues::toInteger(text);
    const bool marked = !n && !(empty == Empty::MeansNothing && text.isEmpty());
    if (marked) {
        // Set again for every text: the tool tip names the text and speaks the current language.
        RuntimeHint::mark(edit);
        edit->setToolTip(state.message(QStringLiteral("notinteger")).arg(text));
        if (!isMarked(edit)) {
            edit->setProperty(MarkProperty, true);
            edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d01c1c; border-radius: 2px; }"));
        }
    } else if (isMarked(edit)) {
        edit->setProperty(MarkProperty, false);
        edit->setStyleSheet(QString());
        edit->setToolTip(QString());
    }
    return n;
}

bool isMarked(const QLineEdit* edit)
{
    return edit->property(MarkProperty).toBool();
}

} // namespace OptionsNumberMark
