#include "config/OptionsNumberMark.h"

#include "config/AppState.h"
#include "config/OptionsFileMark.h"

#include <QLineEdit>
#include <QVariant>

namespace OptionsNumberMark {

namespace {

constexpr const char* MarkProperty = "notInteger";

} // namespace

void update(const AppState& state, QLineEdit* edit, bool wrong)
{
    // Shown again for every text: the tool tip names the text and speaks the current language.
    if (wrong)
        OptionsFileMark::showFrame(edit, MarkProperty, "#d01c1c", state.message(Msg::NotInteger).arg(edit->text()));
    else
        OptionsFileMark::hideFrame(edit, MarkProperty);
}

bool isMarked(const QLineEdit* edit)
{
    return edit->property(MarkProperty).toBool();
}

} // namespace OptionsNumberMark
