#pragma once

#include <QList>
#include <QString>

class Dialogs;
class MessageCatalog;
class QObject;
class QWidget;

// Puts a window's visible texts into a language file and back, so that the interface can be
// shown in another language without rebuilding the program.
//
// A language file is an INI file (see IniFile) whose section [Translations] holds entries
//   Window.Component.Property=text
// The window's name (its objectName) is compared exactly; component and property names without
// regard to letter case. In a text, "~~" stands for a line break (CR LF).
//
// The components of a window are its descendants with an object name, except Qt's own inner
// parts (names starting with "qt_") and other windows parented to it; pop-up menus and the
// actions in them are components of the window that owns them. The window itself is none, so its
// title is never translated. A component has these text properties:
//   Caption  the text of a label or button, the title of a group box or menu, the text of an
//            action, or, for a page of a tab widget, its tab's text
//   Hint     the tool tip of a widget (actions have none)
//   Text     the text of a line edit or of an editable combo box
class TFormTranslator final {
public:
    // `exeDir`: the executable's folder, where the template Language.lng is written.
    // `iniPath`: the INI file named after the executable (qvl.ini), whose section [Language]
    // names each window's language file.
    TFormTranslator(const QString& exeDir, const QString& iniPath, Dialogs& dialogs);

    // The language file of the latest translation.
    QString LanguageFile;

    // Writes the window's texts to the template, then applies the language file that the INI
    // file names for the window (the template when it names none) and writes that name back.
    // A write failure is reported once per run; the translation goes on regardless.
    void TranslateForm(QWidget* window);
    // The same for the program's messages, which the language files give as the captions of the
    // window `windowName` (SplashForm.<key>.Caption): the catalog's texts go to the template, then
    // the language file named for that window sets them.
    void TranslateCatalog(MessageCatalog& catalog, const QString& windowName);
    // The same for a window that speaks another window's language: the file the INI file names for
    // `asWindow` is applied, and the INI file is left as it is.
    void TranslateFormAs(QWidget* window, const QString& asWindow);
    // Writes the window's non-empty texts into section [Translations] of `path`, replacing
    // existing entries where they stand. Line breaks become "~~"; a caption "-" (a separator) is
    // left out.
    bool ExportTexts(QWidget* window, const QString& path, QString* error = nullptr);
    // Sets the window's texts from the entries of `path` that name it. Entries for another
    // window, an unknown component or a property the component lacks are ignored; so are empty
    // texts. A missing file changes nothing.
    void ApplyTranslations(QWidget* window, const QString& path);

    // The components of `window` in a stable order: depth-first, each object before its
    // children, children in creation order and tab pages in tab order, as first seen by any
    // translator. Raising a widget later, which moves it among its siblings, does not change it.
    static QList<QObject*> components(QWidget* window);
    QString templatePath() const;

    // The components inside `part`, a piece of `window` built after the window was translated,
    // as TranslateForm does the whole window: their texts go to the template, then the window's
    // language file sets them.
    void TranslatePart(QWidget* window, QWidget* part);
    // For writing a template alone: the texts go to `path`, no language file is applied, qvl.ini
    // is left alone, and the first error is kept (firstError) instead of shown.
    void writeTemplateOnly(const QString& path);
    QString firstError() const { return m_firstError; }

private:
    // Exports `entries` (the window's texts) to the template, then applies the language file that
    // qvl.ini names for `windowName` with `apply`, and writes that name back when `remember`.
    template <typename Apply>
    void translateNamed(const QString& windowName, const QList<std::pair<QString, QString>>& entries, Apply apply,
                        bool remember = true);
    void reportOnce(const QString& error);

    QString m_exeDir;
    QString m_templateOnly;
    QString m_firstError;
    QString m_iniPath;
    Dialogs& m_dialogs;
    bool m_reported = false;
};
