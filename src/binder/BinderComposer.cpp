// The Binder page's composer: the buy lists, the total, and writing the bind and its alias.
#include "binder/BindFiles.h"
#include "binder/BinderArtwork.h"
#include "binder/BinderPage.h"
#include "binder/BuyTables.h"
#include "config/AppState.h"
#include "config/OptionsLaterWrites.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

ComposerChoice BinderPage::choice() const
{
    ComposerChoice c;
    // The lists' first entries are empty: entry i is weapon i - 1.
    c.primary = m_primaryList->currentIndex() - 1 >= 0 ? m_primaryList->currentIndex() - 1 : -1;
    c.secondary = m_secondaryList->currentIndex() - 1 >= 0 ? m_secondaryList->currentIndex() - 1 : -1;
    c.ammo = m_ammoList->currentIndex();
    for (int i = 0; i < m_equipmentList->count() && i < int(c.equipment.size()); ++i)
        c.equipment[size_t(i)] = m_equipmentList->item(i)->checkState() == Qt::Checked;
    c.radio = BuyTables::radioScript(m_radioList->currentIndex()).isEmpty() ? -1 : m_radioList->currentIndex();
    c.chatText = m_chatEdit->text().toLocal8Bit();
    c.chatFor = m_chatForList->currentIndex() == 0   ? ComposerChoice::ChatFor::Team
                : m_chatForList->currentIndex() == 1 ? ComposerChoice::ChatFor::All
                                                     : ComposerChoice::ChatFor::None;
    return c;
}

std::function<QString(MessageKey)> BinderPage::messageText() const
{
    return [this](MessageKey key) { return m_state.message(key); };
}

void BinderPage::showFrame(int frame)
{
    m_frame = frame;
    m_itemPicture->setPixmap(BinderArtwork::itemFrame(frame));
}

QList<QFrame*> BinderPage::connectors() const
{
    return {m_primaryConnector, m_secondaryConnector, m_ammoConnector, m_equipmentConnector};
}

void BinderPage::showConnector(const QFrame* line)
{
    for (QFrame* other : connectors())
        other->setVisible(other == line);
}

void BinderPage::showPrice()
{
    m_priceField->setText(QString::number(Composer::price(choice())));
}

void BinderPage::weaponChosen(WeaponList list)
{
    const ComposerChoice c = choice();
    const BuyTables::BuyItem* row = nullptr;
    switch (list) {
    case WeaponList::Primary:
        showConnector(m_primaryConnector);
        row = BuyTables::primary(c.primary);
        break;
    case WeaponList::Secondary:
        showConnector(m_secondaryConnector);
        row = BuyTables::secondary(c.secondary);
        break;
    case WeaponList::Ammo: {
        showConnector(m_ammoConnector);
        // Ammunition needs its weapon; "No ammo" is no choice to keep.
        ComposerResult refused;
        refused.problem = Composer::ammoProblem(c);
        if (!refused.ok())
            m_state.dialogs.info(Composer::problemText(refused, messageText()));
        if (!refused.ok() || c.ammo == BuyTables::NoAmmo)
            m_ammoList->setCurrentIndex(-1);
        break;
    }
    }
    showFrame(row ? row->frame : 0);
    showPrice();
}

void BinderPage::equipmentToggled(int index)
{
    if (index < 0 || index >= m_equipmentList->count())
        return;
    // The two vests exclude each other: the one just checked stays.
    if (index <= 1 && m_equipmentList->item(index)->checkState() == Qt::Checked) {
        QListWidgetItem* other = m_equipmentList->item(1 - index);
        if (other->checkState() == Qt::Checked)
            other->setCheckState(Qt::Unchecked);
    }
    if (const BuyTables::BuyItem* row = BuyTables::equipment(index))
        showFrame(row->frame);
    showConnector(m_equipmentConnector);
    showPrice();
}

void BinderPage::bindChosenKey()
{
    const QString key = m_keyList->currentText();
    if (key.isEmpty())
        return;
    const ComposerResult result = Composer::build(choice(), key);
    if (!result.ok()) {
        m_state.dialogs.info(Composer::problemText(result, messageText()));
        return;
    }
    // A file the game runs later that binds or clears the key again would undo the bind: ask
    // once, as Apply does, where to write it.
    QString into;
    if (const std::optional<LaterBind> later =
            ChainKeys::laterBind(m_state.working.folder(), m_state.working.file(), key)) {
        const QString listed =
            OptionsLaterWrites::listed(later->place.file, later->place.line, QString::fromLocal8Bit(later->what));
        switch (OptionsLaterWrites::ask(m_state, {listed})) {
        case OptionsLaterWrites::Answer::WriteThere:
            into = QDir(m_state.working.folder()).filePath(later->place.file);
            break;
        case OptionsLaterWrites::Answer::WriteHere:
            break;
        case OptionsLaterWrites::Answer::Cancel:
            return;
        }
    }
    QString error;
    if (!BindFiles::WriteBind(m_state, key, result.chain, &error, into)) {
        if (!error.isEmpty())
            m_state.dialogs.error(error);
        return;
    }
    ReadBinds();
}

void BinderPage::clearComposer()
{
    for (QComboBox* list : {m_primaryList, m_secondaryList, m_ammoList, m_radioList, m_chatForList, m_keyList})
        list->setCurrentIndex(-1);
    for (int i = 0; i < m_equipmentList->count(); ++i)
        m_equipmentList->item(i)->setCheckState(Qt::Unchecked);
    m_chatEdit->clear();
    showFrame(0);
    m_priceField->setText(QStringLiteral("0"));
}
