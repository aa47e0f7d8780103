#include "hud/HudPage.h"

#include "config/AppState.h"
#include "hud/HudInstall.h"
#include "hud/HudRestore.h"
#include "hud/HudSample.h"
#include "hud/JpegDecoder.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text, const QRect& rect)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(rect);
    return l;
}

QGroupBox* group(QWidget* parent, const char* name, const char* title, const QRect& rect)
{
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(rect);
    return g;
}

} // namespace

HudPage::HudPage(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("HudPage"));
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    m_slotsBox = group(this, "HudBox", "Hud №7", QRect(4, 4, 486, 152));
    label(m_slotsBox, "HudHint",
          "Change the pictures below and press \"Apply HUDs\" to make these HUDs the defaults of the game.",
          QRect(10, 18, 466, 30))
        ->setWordWrap(true);
    const char* const names[HudInstall::SlotCount] = {"hud0", "hud1", "hud2"};
    const char* const captions[HudInstall::SlotCount] = {"digits, ammo, armour and more", "radar picture",
                                                         "sniper scope"};
    static_assert(HudInstall::SlotCount == std::tuple_size_v<decltype(m_slotLists)>);
    for (int slot = 0; slot < HudInstall::SlotCount; ++slot) {
        const HudInstall::Slot& s = HudInstall::slots().at(slot);
        const int y = 52 + slot * 30;
        label(m_slotsBox, names[slot], captions[slot], QRect(10, y + 2, 210, 20));
        auto* list = new QComboBox(m_slotsBox);
        list->setObjectName(s.list);
        list->addItems(s.entries);
        list->setCurrentIndex(-1);         // nothing until the user or the settings choose
        list->setGeometry(226, y, 90, 24); // leaves room for the restore button at its right
        m_slotLists[size_t(slot)] = list;
        // activated: a pick of the user's, never the start-up selection, which leaves the picture.
        connect(list, &QComboBox::activated, this, [this, slot] { showPreview(slot); });
    }
    m_applyButton = new QPushButton(QStringLiteral("Apply HUDs"), m_slotsBox);
    m_applyButton->setObjectName(QStringLiteral("ApplyHud"));
    m_applyButton->setIcon(HudSample::applyGlyph());
    connect(m_applyButton, &QPushButton::clicked, this, &HudPage::installSelectedHuds);
    m_restoreButton = new QPushButton(QStringLiteral("Restore the game's HUDs"), m_slotsBox);
    m_restoreButton->setObjectName(QStringLiteral("RestoreHud"));
    connect(m_restoreButton, &QPushButton::clicked, this, &HudPage::restoreGameHuds);
    fitButtons();

    QGroupBox* pictureBox = group(this, "HudPictureBox", "HUD picture", QRect(4, 160, 272, 166));
    m_preview = new QLabel(pictureBox);
    m_preview->setObjectName(QStringLiteral("hud"));
    m_preview->setGeometry(8, 32, 256, 115);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setPixmap(HudSample::picture());

    QGroupBox* aboutBox = group(this, "HudAboutBox", "What the HUD is?", QRect(280, 160, 210, 166));
    QLabel* about =
        label(aboutBox, "HudAbout",
              "HUD - small graphics file in spetial format (.spr). The HUD files contains a lot of spites for "
              "weapon changing, digits, armour, VIP and bomb areas.\r\n\r\nYou can find more HUDs at the "
              "internet and view them with spetial utility, called SPRVIEW.exe.",
              QRect(8, 18, 194, 142));
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void HudPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The caption may have changed language while the page was hidden.
    fitButtons();
}

void HudPage::fitButtons()
{
    // 106 x 30 at the group's lower right, wider where a language's caption needs it; the
    // restore above it, right of the lists.
    const int width = qMax(106, m_applyButton->sizeHint().width());
    m_applyButton->setGeometry(m_slotsBox->width() - width - 10, m_slotsBox->height() - 30 - 10, width, 30);
    const int restoreWidth = qMax(106, m_restoreButton->sizeHint().width());
    m_restoreButton->setGeometry(m_slotsBox->width() - restoreWidth - 10, m_slotsBox->height() - 2 * 30 - 16,
                                 restoreWidth, 30);
}

void HudPage::selectStoredHuds()
{
    for (int slot = 0; slot < HudInstall::SlotCount; ++slot) {
        QComboBox* list = m_slotLists[size_t(slot)];
        const QString stored = m_state.settings.readText(HudInstall::slots().at(slot).setting);
        // An empty setting would match nothing anyway; findText would find a blank entry.
        list->setCurrentIndex(stored.isEmpty() ? -1 : list->findText(stored, Qt::MatchFixedString));
    }
}

void HudPage::showPreview(int slot)
{
    const QString entry = m_slotLists[size_t(slot)]->currentText();
    if (entry.isEmpty())
        return;
    RgbImage picture;
    QString error;
    if (!JpegDecoder::decodeFile(HudInstall::libraryFile(m_state.ProgramDir, entry, HudInstall::LibraryFile::Preview),
                                 &picture, &error)) {
        m_state.dialogs.error(error);
        return;
    }
    QImage image(reinterpret_cast<const uchar*>(picture.pixels.constData()), picture.width, picture.height,
                 qsizetype(picture.width) * 3, QImage::Format_RGB888);
    // The library's previews fit the picture; another one is shrunk to fit, never cut.
    if (image.width() > m_preview->width() || image.height() > m_preview->height())
        image = image.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_preview->setPixmap(QPixmap::fromImage(image)); // copies the pixels: `picture` may go
}

void HudPage::installSelectedHuds()
{
    QStringList picks;
    for (const QComboBox* list : m_slotLists)
        picks << list->currentText();
    QStringList failures;
    QStringList kept;
    for (const HudInstall::SlotResult& r :
         HudInstall::install(picks, m_state.ProgramDir, m_state.working.folder(), keepVersion())) {
        if (!r.installed) {
            failures << r.error;
            continue;
        }
        m_state.working.wroteFile(r.target);
        QString error;
        if (!m_state.settings.writeText(HudInstall::slots().at(r.slot).setting, r.entry, &error))
            failures << error;
        if (!r.originalKept.isEmpty())
            kept << m_state.message(Msg::HudOriginalKept)
                        .arg(QDir::toNativeSeparators(r.originalKept), QDir::toNativeSeparators(r.target));
    }
    if (!failures.isEmpty())
        m_state.dialogs.error(failures.join(QStringLiteral("\r\n")));
    // The confirmation is for a whole install; after a failure only where the originals are.
    QString text = kept.join(QStringLiteral("\r\n"));
    if (failures.isEmpty())
        text = m_state.message(Msg::HudInstalled) + (text.isEmpty() ? QString() : QStringLiteral("\r\n\r\n") + text);
    if (!text.isEmpty())
        m_state.dialogs.info(text);
}

HudInstall::KeepVersion HudPage::keepVersion() const
{
    return [this](const QString& path, const QString& action, QString* error) {
        return m_state.working.keepVersion(path, action, error);
    };
}

void HudPage::restoreGameHuds()
{
    QStringList lines;
    bool failed = false;
    for (const HudRestore::SlotRestore& r : HudRestore::restore(m_state.working.folder(), keepVersion())) {
        const HudInstall::Slot& slot = HudInstall::slots().at(r.slot);
        const QString file = QDir::toNativeSeparators(r.target.isEmpty() ? slot.gameFile : r.target);
        switch (r.outcome) {
        case HudRestore::Outcome::Restored: {
            m_state.working.wroteFile(r.target);
            lines << m_state.message(Msg::HudRestored).arg(file);
            m_slotLists[size_t(r.slot)]->setCurrentIndex(-1);
            m_preview->setPixmap(HudSample::picture()); // no longer the pick of a list
            QString error;
            if (!m_state.settings.writeText(slot.setting, QString(), &error)) {
                lines << error;
                failed = true;
            }
            break;
        }
        case HudRestore::Outcome::NothingToRestore:
            lines << m_state.message(Msg::HudNothingToRestore).arg(file);
            break;
        case HudRestore::Outcome::Failed:
            lines << r.error;
            failed = true;
            break;
        }
    }
    const QString text = lines.join(QStringLiteral("\r\n"));
    if (failed)
        m_state.dialogs.error(text);
    else
        m_state.dialogs.info(text);
}
