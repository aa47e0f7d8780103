#pragma once

#include <QString>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class OptionsSpinEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QVBoxLayout;
class QWidget;

// Builds the layout shared by both options pages: a fixed header with the page's title, and
// under it a scrolling column of section headings and one framed box per setting. A box's caption is a word-wrapped
// label (named after the box with "Caption" appended) rather than the frame's title, since many captions are longer
// than the page is wide. Every named widget can be translated by its object name.
namespace OptionsLayout {

// The height of a page's header. The title stands at its left; its right part is left free for
// the main window's Apply button, which it lays over the page.
constexpr int HeaderHeight = 32;

// Fills `page` with the header, titled `title` by a label named `titleName`, and a vertical
// scroll area under it; returns the layout of the column inside the scroll area.
QVBoxLayout* column(QWidget* page, const char* titleName, const char* title);

QLabel* section(QVBoxLayout* column, const char* name, const char* text);

// A box with its caption and, when `hint` is given, a tool tip shown anywhere over the box.
QGroupBox* box(QVBoxLayout* column, const char* name, const char* caption, const char* hint = nullptr);
// The caption currently shown on a box made by box() (it follows the interface language).
QString caption(const QGroupBox* box);

// A new row of controls at the bottom of a box.
QHBoxLayout* row(QGroupBox* box);

QRadioButton* radio(QHBoxLayout* row, const char* name, const char* text, bool checked);
QLabel* label(QHBoxLayout* row, const char* name, const char* text);
// A line edit sized for `chars` characters.
QLineEdit* edit(QHBoxLayout* row, const char* name, const QString& text, int chars);
// A slider and a number field that take the wheel only once clicked or tabbed into, so that
// scrolling the page over them never changes a setting.
QSlider* slider(QHBoxLayout* row, const char* name, int minimum, int maximum, int value);
OptionsSpinEdit* spin(QHBoxLayout* row, const char* name, int minimum, int maximum, int value);
// The page's own Apply button, at the right under the last box.
QPushButton* applyButton(QVBoxLayout* column, const char* name, const char* text);

} // namespace OptionsLayout
