#include "config/AppState.h"
#include "config/OptionsSliderEdit.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"

#include <QLineEdit>
#include <QSlider>

#include <gtest/gtest.h>

#include <array>

namespace {

// Each slider of the pages is one of these kinds: held to its range, taking typed numbers only
// inside it (with an empty edit allowed), or taking minutes with a fraction.
TEST(SliderEditTest, ATypedNumberMovesTheSliderByItsKindAndANonNumberIsMarked)
{
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    std::array<OptionsSliderEdit, 3> fields{{
        {state, {"held", 0, 90, 45, "heldEdit", 3}, {}},
        {state, {"inRange", 0, 500, 300, "inRangeEdit", 3}, {.typedInRangeOnly = true, .emptyAllowed = true}},
        {state, {"minutes", 1, 9, 3, "minutesEdit", 4}, {.minutes = true}},
    }};
    struct Case {
        size_t field;
        const char* typed;
        int position; // where the slider ends, from its first position (45, 300, 3)
        bool marked;
    };
    // clang-format off
    const Case cases[] = {
        {0, "0", 0, false}, {0, "-1", 0, false}, {0, "90", 90, false}, {0, "91", 90, false},
        {0, "4.5", 45, true}, {0, "", 45, true},
        {1, "1", 1, false}, {1, "0", 300, false}, {1, "500", 500, false}, {1, "501", 300, false},
        {1, "2.5", 300, true}, {1, "", 300, false},
        {2, "1", 1, false}, {2, "0.5", 1, false}, {2, "9.99", 9, false}, {2, "10", 9, false},
        {2, "1.75", 1, false}, {2, "-2", 3, true}, {2, "", 3, true}};
    // clang-format on
    const int first[] = {45, 300, 3};
    const char* names[][2] = {{"held", "heldEdit"}, {"inRange", "inRangeEdit"}, {"minutes", "minutesEdit"}};
    for (const Case& c : cases) {
        OptionsSliderEdit& field = fields[c.field];
        auto* slider = control<QSlider>(&field, names[c.field][0]);
        auto* edit = control<QLineEdit>(&field, names[c.field][1]);
        slider->setValue(first[c.field]);
        edit->setText(QString::fromLatin1(c.typed)); // pasted: typing goes through each prefix
        EXPECT_EQ(slider->value(), c.position) << names[c.field][0] << " '" << c.typed << "'";
        EXPECT_EQ(edit->text(), QLatin1String(c.typed)) << "the edit keeps what was typed";
        EXPECT_EQ(field.isNumberMarked(), c.marked) << names[c.field][0] << " '" << c.typed << "'";
        // The slider's own move puts its position in the edit and takes any mark away.
        slider->setValue(slider->minimum());
        slider->setValue(slider->maximum());
        EXPECT_EQ(edit->text() + QString::number(field.isNumberMarked()), QString::number(slider->maximum()) + u'0');
    }
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "a mark, never a message, while the user types";
}

} // namespace
