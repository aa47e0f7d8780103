#pragma once

#include <optional>

class AppState;
class QLineEdit;

// The plain edits beside the sliders take whole numbers. While the user types, an edit whose
// text is not one is marked (a red frame, and the conversion error as its tool tip) instead of
// showing a message at each keystroke; Apply refuses a marked edit.
namespace OptionsNumberMark {

enum class Empty { IsMarked, MeansNothing };

// Marks or clears `edit` by its text; returns the number it holds, if any. With
// Empty::MeansNothing an empty edit is not marked (and holds no number).
std::optional<int> check(const AppState& state, QLineEdit* edit, Empty empty = Empty::IsMarked);
bool isMarked(const QLineEdit* edit);

} // namespace OptionsNumberMark
