#pragma once

#include <QString>

class AppState;
class QWidget;
struct FileMark;

// How the option pages show a value they keep as the file has it (see FileMark): a field (a
// line edit or a spin box) gets an amber frame and the mark's tip; a list entry or a choice
// gets the value with the words "(in the file)".
namespace OptionsFileMark {

// Shows the mark on `field` while it holds the mark's text; takes it away otherwise.
void update(QWidget* field, const FileMark& mark, const QString& shown);
bool isShown(const QWidget* field);

// "30000 (in the file)" in the interface language.
QString caption(const AppState& state, const QString& value);

// The frame both marks of a field are drawn with (this one and OptionsNumberMark's): a colour and
// the tip while the field's `property` is set. A frame shown again takes the new tip.
void showFrame(QWidget* field, const char* property, const char* colour, const QString& tip);
void hideFrame(QWidget* field, const char* property);

} // namespace OptionsFileMark
