// The Binder page's composer: the buy lists, the total, and writing the bind and its alias.
#include "binder/BindFiles.h"
#include "binder/BinderArtwork.h"
#include "binder/BinderPage.h"
#include "binder/BuyTables.h"
#include "config/AppState.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

ComposerChoice BinderPage::choice() const
{
    ComposerChoice c;
    // The lists' first entries are empty: entry i is weapon i - 1.
    c.primary = Primary->currentIndex() - 1 >= 0 ? Primary->currentIndex() - 1 : -1;
    c.secondary = Secondary->currentIndex() - 1 >= 0 ? Secondary->currentIndex() - 1 : -1;
    c.ammo = Ammo->currentIndex();
    for (int i = 0; i < Equipment->count() && i < int(c.equipment.size()); ++i)
        c.equipment[size_t(i)] = Equipment->item(i)->checkState() == Qt::Checked;
    c.radio = BuyTables::radioScript(Radio->currentIndex()).isEmpty() ? -1 : Radio->currentIndex();
    c.chatText = custommsg->text().toLocal8Bit();
    c.chatFor = ForBox->currentIndex() == 0   ? ComposerChoice::ChatFor::Team
                : ForBox->currentIndex() == 1 ? ComposerChoice::ChatFor::All
                                              : ComposerChoice::ChatFor::None;
    return c;
}

void BinderPage::showFrame(int frame)
{
    m_frame = frame;
    Image->setPixmap(BinderArtwork::itemFrame(frame));
}

void BinderPage::showConnector(QFrame* line)
{
    for (QFrame* other : {b_primary, b_secondary, b_ammo, b_equip})
        other->setVisible(other == line);
}

void BinderPage::showPrice()
{
    PRICE->setText(QString::number(Composer::price(choice())));
}

void BinderPage::RecalcWeapons(const QString& which)
{
    const ComposerChoice c = choice();
    int frame = 0;
    if (which == QLatin1String("Primary")) {
        showConnector(b_primary);
        if (const BuyTables::BuyItem* row = BuyTables::primary(c.primary))
            frame = row->frame;
    } else if (which == QLatin1String("Secondary")) {
        showConnector(b_secondary);
        if (const BuyTables::BuyItem* row = BuyTables::secondary(c.secondary))
            frame = row->frame;
    } else if (which == QLatin1String("ammo")) {
        showConnector(b_ammo);
        // Ammunition needs its weapon; "No ammo" is no choice to keep.
        const char* refusal = nullptr;
        if (c.ammo == BuyTables::FullPrimary && c.primary < 0)
            refusal = "noprimary";
        else if (c.ammo == BuyTables::FullSecondary && c.secondary < 0)
            refusal = "nosecondary";
        else if (c.ammo == BuyTables::FullBoth && (c.primary < 0 || c.secondary < 0))
            refusal = "noboth";
        if (refusal)
            m_state.dialogs.info(m_state.message(QString::fromLatin1(refusal)));
        if (refusal || c.ammo == BuyTables::NoAmmo)
            Ammo->setCurrentIndex(-1);
    }
    showFrame(frame);
    showPrice();
}

void BinderPage::ToggleEquipment(int index)
{
    if (index < 0 || index >= Equipment->count())
        return;
    // The two vests exclude each other: the one just checked stays.
    if (index <= 1 && Equipment->item(index)->checkState() == Qt::Checked) {
        QListWidgetItem* other = Equipment->item(1 - index);
        if (other->checkState() == Qt::Checked)
            other->setCheckState(Qt::Unchecked);
    }
    if (const BuyTables::BuyItem* row = BuyTables::equipment(index))
        showFrame(row->frame);
    showConnector(b_equip);
    showPrice();
}

void BinderPage::WriteBind()
{
    const QString key = BindKey->currentText();
    if (key.isEmpty())
        return;
    const ComposerResult result = Composer::build(choice(), key);
    if (!result.ok()) {
        m_state.dialogs.info(Composer::problemText(result, [this](const QString& k) { return m_state.message(k); }));
        return;
    }
    QString error;
    if (!BindFiles::WriteBind(m_state, key, result.chain, &error)) {
        m_state.dialogs.error(error);
        return;
    }
    ReadBinds();
}

void BinderPage::ClearComposer()
{
    for (QComboBox* list : {Primary, Secondary, Ammo, Radio, ForBox, BindKey})
        list->setCurrentIndex(-1);
    for (int i = 0; i < Equipment->count(); ++i)
        Equipment->item(i)->setCheckState(Qt::Unchecked);
    custommsg->clear();
    showFrame(0);
    PRICE->setText(QStringLiteral("0"));
}
