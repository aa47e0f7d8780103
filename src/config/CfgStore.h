#pragma once

#include "config/LineIndex.h"
#include "config/TextLines.h"
#include "history/PendingWrite.h"
#include "platform/FileError.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace ConsoleLine {
struct Command;
}

// The lines of one game configuration file, held in numbered slots (1 = the first line).
// Lines are bytes and are never re-encoded; every byte the program does not change is written
// back exactly as it was read: blank lines, each line's own line end (CR LF, LF or a lone CR),
// a missing final line end, NUL and 0x1A bytes. A line matches a name when its first command
// begins with the name's tokens, as the game reads it (`rate` never matches `cl_updaterate "60"`).
class CfgStore final {
public:
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    // Reads `path` into the slots and makes it the store's file path. On failure nothing
    // changes (slots, CfgTop, file path) and `error` names the file and the cause.
    bool LoadCfg(const QString& path, QString* error = nullptr);

    // Gives the value of the last matching line (the token after the name, quotes removed).
    // Returns whether any line matched; `value` is left alone when none did.
    bool GetCfgVar(QByteArrayView name, QByteArray& value);
    // The slot of the last matching line, or 0 when none matches (CfgTop stays as it is).
    int lastMatchingLine(QByteArrayView name);

    // Replaces the first command of every matching line by `name "value"`, keeping the
    // indentation, what follows and the line end. A line that already holds the value (its one
    // value token, quotes removed, equals it; an empty value is held by no token or a blank one)
    // is left as it is. Adds the line in a new top slot when none matches; it is written at the
    // end of the file, in the file's own line end.
    void SetCfgVar(QByteArrayView name, QByteArrayView value);

    // Removes the first command of every matching line; a line holding nothing else goes with its
    // line end. Returns whether any line matched.
    bool DeleteCfgLines(QByteArrayView name);

    // Replaces the bytes of line i, keeping its line end (a line the file holds or one added).
    void SetCfgLine(int i, QByteArrayView text);
    // Removes line i with its line end.
    void RemoveCfgLine(int i);

    // From now until the next load, a save writes every line that is not empty with CR LF and
    // drops the empty ones: the program's own format, only ever on request.
    void normalize();

    // Writes the lines to the store's file path, replacing the file only once all of it is
    // written, then loads `reloadPath`. When the bytes to write are the file's bytes as loaded,
    // nothing is written (the file keeps its modification time). On failure the file on disk and
    // the slots are unchanged.
    bool SaveCfg(const QString& reloadPath, QString* error = nullptr);

    // The words of the errors LoadCfg and SaveCfg give (English without them).
    void setTexts(FileError::Texts texts) { m_texts = std::move(texts); }

    int CfgTop() const { return m_top; }
    // Whether a Set or a Delete changed a line since the last load (a save loads again).
    bool isModified() const { return m_modified; }
    // Whether the last SaveCfg wrote the file (false when there was nothing to change).
    bool lastSaveWrote() const { return m_lastSaveWrote; }
    // Slot i (1-based), without its line end; slots beyond the current capacity, removed lines
    // and slots holding no line read as empty.
    QByteArray CfgLines(int i) const;
    // The bytes a save would write now.
    QByteArray text() const;
    const QString& filePath() const { return m_path; }
    // The bytes of the file as the last load read them.
    const QByteArray& loadedBytes() const { return m_text; }
    // A save now, as the review shows it: the file, its bytes as loaded, the bytes it would get.
    PendingWrite pendingWrite() const { return {filePath(), loadedBytes(), text()}; }

    // The line written for a name and a value: `name "value"`, an empty value as one blank.
    static QByteArray variableLine(QByteArrayView name, QByteArrayView value);

private:
    void raiseTop();
    bool isLine(int i) const;
    // Calls `act` for every line whose first command begins with `nameTokens`, in slot order;
    // true if any did. Only the lines filed under the name's key are looked at.
    bool forEachMatch(const std::vector<QByteArray>& nameTokens,
                      const std::function<void(QByteArray&, const ConsoleLine::Command&)>& act);

    QByteArray m_text;                             // the file as read; unedited lines point into it
    std::vector<QByteArray> m_lines{QByteArray()}; // index 0 unused
    // Per slot: how its line ends, or NoLine for a slot that holds no line of the file (one taken
    // by a look-up, or a removed line).
    static constexpr auto NoLine = static_cast<TextLines::End>(0xff);
    std::vector<TextLines::End> m_ends{NoLine};
    TextLines::End m_newLineEnd = TextLines::End::CrLf; // what new lines end with
    bool m_loaded = false;
    bool m_normalize = false;
    bool m_lastSaveWrote = false;
    FileError::Texts m_texts;

    LineIndex m_index; // which slots may hold a line with a given first token

    int m_top = 0;
    bool m_modified = false;
    QString m_path;
};
