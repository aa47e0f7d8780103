#pragma once

class AppState;
class QLineEdit;

// The plain edits beside the sliders take numbers. While the user types, an edit whose text is
// not one is marked (a red frame, and the conversion error as its tool tip) instead of showing
// a message at each keystroke; Apply refuses a marked edit.
namespace OptionsNumberMark {

// Marks `edit` when `wrong`, naming its text; clears the mark otherwise.
void update(const AppState& state, QLineEdit* edit, bool wrong);
bool isMarked(const QLineEdit* edit);

} // namespace OptionsNumberMark
