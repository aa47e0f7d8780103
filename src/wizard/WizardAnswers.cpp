#include "wizard/WizardAnswers.h"

#include <QStringView>

QByteArray WizardAnswers::PlayerName::bytes() const
{
    if (!readBytes.isEmpty() && text == readText)
        return readBytes;
    if (!readAsLatin1)
        return text.toLocal8Bit();
    // The option pages' rule for a name read as Latin-1: one byte per character up to U+00FF, the
    // system's code page for the characters the user typed beyond it.
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i).unicode() <= 0xff) {
            out.append(static_cast<char>(text.at(i).unicode()));
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text.at(end).unicode() > 0xff)
            ++end;
        out.append(QStringView(text).mid(i, end - i).toLocal8Bit());
        i = end;
    }
    return out;
}
