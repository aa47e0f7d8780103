#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Reads and writes INI (profile) files: qvl.ini and the language files.
//
// The rules, the same for every call:
// - A section starts at a line "[name]"; lines before the first section belong to none and are
//   never read. When a section name occurs twice, only its first occurrence is used.
// - An entry is a line "key=text" inside a section; the text is everything after the first "=".
//   Blanks (spaces and tabs) around the key and around the text are dropped, and a text is cut
//   after MaxTextLength characters.
// - Section and key names are compared without regard to letter case.
// - Files are UTF-8; a byte order mark is accepted on reading and kept on writing. A line may end
//   in CR LF, LF or CR; a write ends every line with CR LF and keeps every line it does not
//   change byte for byte.
// A file that is missing or cannot be read reads as empty.
class IniFile final {
public:
    using Entry = QPair<QString, QString>;
    static constexpr int MaxTextLength = 2047;

    // All entries of `section`, in file order; entries with an empty text are left out.
    static QList<Entry> readSection(const QString& path, const QString& section);
    // The text of the first entry `key` of `section`; the empty text when there is none.
    static QString readKey(const QString& path, const QString& section, const QString& key, bool* found = nullptr);

    // Sets `key` of `section` to `value`: an existing entry is replaced where it stands, keeping
    // its name as the file spells it; a new one goes after the last entry of the section; the
    // section (at the end of the file) and the file are created when missing. Line breaks in `value` become blanks,
    // since an entry is one line. On failure the file is left as it was and `error` names it.
    static bool writeKey(const QString& path, const QString& section, const QString& key, const QString& value,
                         QString* error = nullptr);
    // writeKey for each entry in order, reading and writing the file once. The file is not
    // rewritten when its bytes would stay the same.
    static bool writeKeys(const QString& path, const QString& section, const QList<Entry>& entries,
                          QString* error = nullptr);

    // Replaces the whole file with `bytes` in one step: either all of it lands or the old file
    // stays. A read-only file is refused.
    static bool replaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
