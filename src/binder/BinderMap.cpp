// The Binder page's picture: the binds the game's start chain leaves, marked from the working
// file's point of view, and the clicks on it.
#include "binder/BindFiles.h"
#include "binder/BinderArtwork.h"
#include "binder/BinderPage.h"
#include "binder/KeyLabel.h"
#include "binder/KeyTable.h"
#include "config/AppState.h"
#include "config/CfgStore.h"
#include "config/RuntimeHint.h"
#include "keys/KeyNames.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

void BinderPage::ReadBinds()
{
    // The file as it is on disk, in a store of the page's own: showing the page writes nothing
    // (autoexec.cfg comes with the first bind), and an edit another page left in the working
    // store is neither saved nor dropped by a look.
    CfgStore store;
    store.setTexts(m_state.texts());
    QString error;
    const bool loaded = store.LoadCfg(m_state.working.path(), &error);
    if (!loaded)
        m_state.dialogs.error(error);

    clearComposer();
    // A file that cannot be read binds nothing the page could show: the marks of the file read
    // before would be another file's. The other files of the start chain still show theirs.
    m_reading = loaded ? BindReader::read(store) : BindReading();
    const QString folder = m_state.working.folder();
    m_standings = ChainKeys::standings(folder.isEmpty() ? StartChain() : StartChainReader::follow(folder), folder,
                                       m_state.working.file(), m_reading);
    for (KeyLabel* label : std::as_const(m_keyLabels)) {
        const KeyStanding standing = label->inert() ? KeyStanding() : m_standings.value(label->key());
        label->setMark(shownMark(standing));
        RuntimeHint::mark(label);
        label->setToolTip(hint(standing));
    }
    for (auto it = m_overlays.cbegin(); it != m_overlays.cend(); ++it) {
        const KeyStanding standing = m_standings.value(it.key());
        const KeyLabel::Mark mark = shownMark(standing);
        QLabel* overlay = it.value();
        overlay->setProperty("mark", QString::fromLatin1(KeyLabel::markName(mark)));
        if (mark != KeyLabel::Mark::Free)
            overlay->setPixmap(BinderArtwork::overlay(it.key(), overlay->width(), overlay->height(),
                                                      KeyLabel::fill(mark), mark == KeyLabel::Mark::Replaced));
        overlay->setVisible(mark != KeyLabel::Mark::Free);
        RuntimeHint::mark(overlay);
        overlay->setToolTip(hint(standing));
    }
    fillKeyList();
    if (loaded)
        reportMissingKeys(m_reading);
}

KeyLabel::Mark BinderPage::shownMark(const KeyStanding& standing)
{
    // A key nothing binds in the end, whose bind in another file the game does not keep, is
    // drawn as a bind not in effect; it is still free to bind.
    if (standing.state == KeyStanding::State::Free && standing.lostPlace.hasLine())
        return KeyLabel::Mark::Replaced;
    return standing.state;
}

QString BinderPage::placeText(const KeyStanding& standing) const
{
    return placeText(standing.place, standing.what);
}

QString BinderPage::placeText(const ChainPlace& place, const QByteArray& what) const
{
    return m_state.message(Msg::BoundInFile)
        .arg(QDir::toNativeSeparators(place.file))
        .arg(place.line)
        .arg(QString::fromLocal8Bit(what));
}

QString BinderPage::hint(const KeyStanding& standing) const
{
    QStringList lines;
    switch (standing.state) {
    case KeyStanding::State::Here:
        lines << QString::fromLocal8Bit(standing.command);
        break;
    case KeyStanding::State::Elsewhere:
        lines << placeText(standing);
        break;
    case KeyStanding::State::Replaced:
        lines << m_state.message(Msg::BindNotKept).arg(QString::fromLocal8Bit(standing.command), placeText(standing));
        break;
    case KeyStanding::State::Free:
        break;
    }
    if (standing.lostPlace.hasLine()) {
        lines << m_state.message(Msg::BindNotKept)
                     .arg(placeText(standing.lostPlace, standing.lostWhat),
                          placeText(standing.lostBy, standing.lostByWhat));
    }
    return lines.join(QLatin1Char('\n'));
}

void BinderPage::fillKeyList()
{
    // Every key of the picture once, in the game's spelling, less the keys the file binds.
    QStringList keys;
    for (int i = 0; i < m_pictureKeys->count(); ++i) {
        const QString key = m_pictureKeys->item(i)->text();
        if (!m_reading.find(key))
            keys << key;
    }
    std::sort(keys.begin(), keys.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    const QString current = m_keyList->currentText();
    m_keyList->clear();
    m_keyList->addItems(keys);
    m_keyList->setCurrentIndex(current.isEmpty() ? -1 : m_keyList->findText(current, Qt::MatchExactly));
}

void BinderPage::reportMissingKeys(const BindReading& reading)
{
    // Binds are no error: a key the picture lacks is listed with its command, a name the game
    // knows as no key with its line.
    QStringList keys;
    for (const BoundKey& b : reading.bound) {
        const bool pictured =
            m_overlays.contains(b.key) || std::any_of(m_keyLabels.cbegin(), m_keyLabels.cend(),
                                                      [&](KeyLabel* l) { return !l->inert() && l->key() == b.key; });
        if (!pictured)
            keys << b.key + QStringLiteral(" \"") + QString::fromLocal8Bit(b.command) + QLatin1Char('"');
    }
    QStringList names;
    for (const UnknownKeyBind& u : reading.unknown)
        names << QStringLiteral("%1: %2").arg(u.line).arg(QString::fromLocal8Bit(u.name));
    QStringList parts;
    if (!keys.isEmpty())
        parts << m_state.message(Msg::KeysNotPictured) + QLatin1Char('\n') + keys.join(QLatin1Char('\n'));
    if (!names.isEmpty())
        parts << m_state.message(Msg::KeysUnknown) + QLatin1Char('\n') + names.join(QLatin1Char('\n'));
    const QString text = parts.join(QStringLiteral("\n\n"));
    const QString file = m_state.working.path();
    // Once per working file and run: showing the page again repeats nothing it already said.
    if (text.isEmpty() || m_reported.value(file) == text)
        return;
    m_reported.insert(file, text);
    m_state.dialogs.information(m_state.message(Msg::InformationTitle), text);
}

void BinderPage::selectKey(const QString& key)
{
    m_keyList->setCurrentIndex(m_keyList->findText(key, Qt::MatchFixedString));
}

void BinderPage::keyClicked(const QString& key)
{
    const KeyStanding standing = m_standings.value(key);
    switch (standing.state) {
    case KeyStanding::State::Here:
    case KeyStanding::State::Replaced:
        if (!unbindKey(key))
            return;
        break;
    case KeyStanding::State::Elsewhere:
        // Free in the working file, but not free in the game: say where before offering it.
        if (!m_state.dialogs.question(m_state.message(Msg::BoundElsewhereQuestion)
                                          .arg(KeyNames::canonical(key), placeText(standing), m_state.working.file()),
                                      Dialogs::Default::No))
            return;
        break;
    case KeyStanding::State::Free:
        break;
    }
    selectKey(key);
}

void BinderPage::selectMouseKey(const QLabel* image)
{
    for (const KeyTable::MouseKey& k : KeyTable::mouseImages()) {
        if (image->objectName() == QLatin1String(k.name))
            selectKey(QString::fromLatin1(k.key));
    }
}

bool BinderPage::unbindKey(const QString& key)
{
    // The key as the game names it (SEMICOLON, `, F2), never the control's name.
    const QString question = QLatin1Char('"') + KeyNames::canonical(key) + QStringLiteral("\" ") +
                             m_state.message(Msg::KeyIsBoundTo) + QLatin1Char('"') +
                             QString::fromLocal8Bit(m_standings.value(key).command) + QStringLiteral("\".\n ") +
                             m_state.message(Msg::ClearBindQuestion);
    if (!m_state.dialogs.question(question, Dialogs::Default::No))
        return false;
    QString error;
    const bool done = BindFiles::UnbindKey(m_state, key, &error);
    if (!done && !error.isEmpty())
        m_state.dialogs.error(error);
    ReadBinds();
    return done;
}

void BinderPage::removeAllAliases()
{
    // Every file whose binds would point at a removed alias is named, and cleaned too.
    const QStringList files = BindFiles::filesBindingAliases(m_state.working.folder());
    QString question = m_state.message(Msg::RemoveAliasesQuestion);
    if (!files.isEmpty())
        question += QStringLiteral("\n\n") + m_state.message(Msg::AliasFiles) + QLatin1Char('\n') +
                    files.join(QLatin1Char('\n'));
    if (!m_state.dialogs.question(question))
        return;
    QString error;
    if (!BindFiles::RemoveAllAliases(m_state, files, &error) && !error.isEmpty())
        m_state.dialogs.error(error);
    ReadBinds();
}
