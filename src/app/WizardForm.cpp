#include "app/WizardForm.h"

#include "app/MainForm.h"
#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "language/FormTranslator.h"
#include "language/IniFile.h"
#include "language/LanguageIni.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "wizard/WizardAnswers.h"
#include "wizard/WizardConfig.h"
#include "wizard/WizardName.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int PictureWidth = 183;

// The picture at the wizard's left: the program's dark steel with an amber crosshair.
QPixmap sidePicture(int height)
{
    QPixmap pixmap(PictureWidth, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient steel(0, 0, PictureWidth, height);
    steel.setColorAt(0, QColor(0x3a, 0x44, 0x52));
    steel.setColorAt(1, QColor(0x16, 0x1b, 0x22));
    p.fillRect(pixmap.rect(), steel);
    const QColor amber(0xff, 0xb0, 0x20);
    const QPointF c(PictureWidth / 2.0, height * 0.4);
    p.setPen(QPen(amber, 3));
    p.drawEllipse(c, 48, 48);
    p.setPen(QPen(amber, 2));
    for (const QPointF& d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        p.drawLine(c + d * 14, c + d * 64);
    p.setPen(QColor(0xe8, 0xec, 0xf0));
    QFont font = p.font();
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, int(height * 0.68), PictureWidth, 34), Qt::AlignCenter, QStringLiteral("QUARVEL"));
    return pixmap;
}

} // namespace

Twizard::Twizard(AppState& state, TMainForm& main)
    : QDialog(&main)
    , m_state(state)
    , m_main(main)
{
    setObjectName(QStringLiteral("wizard"));
    setWindowTitle(QStringLiteral("Wizard"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignTop);
    // Its picture is drawn to the window's height once the size is fitted; its width counts from
    // the start.
    Image1->setFixedWidth(PictureWidth);
    outer->addWidget(Image1);
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 8, 8, 8);
    outer->addLayout(right, 1);

    // Pages without tabs: only the buttons below move between them.
    WizardTabs = new QStackedWidget(this);
    WizardTabs->setObjectName(QStringLiteral("WizardTabs"));
    right->addWidget(WizardTabs, 1);
    buildFilePage();
    buildMachinePage();
    buildMovementPage();
    buildPlayerPage();
    buildClosingPage();

    right->addLayout(buildButtons());

    connect(BitBtn1, &QPushButton::clicked, this, &Twizard::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Twizard::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(CfgName, &QLineEdit::textEdited, this, &Twizard::CfgNameChange);
    connect(CfgName, &QLineEdit::textChanged, this, &Twizard::checkCfgName);
    connect(Configs, &QComboBox::activated, this, &Twizard::ConfigsChange);
    connect(wasd, &QRadioButton::clicked, this, &Twizard::wasdClick);
    connect(arrows, &QRadioButton::clicked, this, &Twizard::arrowsClick);

    // The size is fitted when the window shows, to the texts it shows then.
    fillLists();
}

// The entries of w7 and of buttons are message texts, so that they follow the language.
void Twizard::fillLists()
{
    const int speed = w7->currentIndex();
    w7->clear();
    for (int i = 0; i < 5; ++i)
        w7->addItem(m_state.message(QStringLiteral("wizspeed%1").arg(i)));
    w7->setCurrentIndex(speed);

    const bool first = buttons->count() == 0;
    const int count = first ? 0 : buttons->currentIndex();
    const QString typed = buttons->currentText();
    const bool chosen = first || (count >= 0 && buttons->itemText(count) == typed);
    buttons->clear();
    buttons->addItems({QStringLiteral("2"), m_state.message(QStringLiteral("wizbuttons3")), QStringLiteral("4"),
                       QStringLiteral("5"), m_state.message(QStringLiteral("wizbuttonsmore"))});
    buttons->setCurrentIndex(chosen ? count : -1);
    if (!chosen)
        buttons->setEditText(typed);
}

void Twizard::translate(TFormTranslator& translator)
{
    const QString typed = CfgName->text();
    CfgNameMark->clear(); // a refusal shown now is no text of the window
    // The wizard speaks the main window's language: qvl.ini names a file only for the windows
    // it lists, and the wizard is not one of them. Its texts still go to the template.
    translator.ExportTexts(this, translator.templatePath());
    const QString file =
        IniFile::readKey(LanguageIni::path(m_state.ProgramDir), QStringLiteral("Language"), QStringLiteral("MainForm"));
    if (!file.isEmpty())
        translator.ApplyTranslations(this, file);
    CfgName->setText(typed);
    checkCfgName();
    fillLists(); // the size follows at the next show: the language never changes while it is open
}

// Group titles do not wrap: the window is as wide as the longest question of the language in use.
void Twizard::fitSize()
{
    // A title set a moment ago has not reached the outer layouts yet.
    WizardTabs->updateGeometry();
    for (QLayout* inner : layout()->findChildren<QLayout*>())
        inner->invalidate();
    layout()->invalidate();
    const QSize needed = layout()->minimumSize();
    setFixedSize(qMax(640, needed.width()), qMax(360, needed.height()));
    if (Image1->pixmap().height() != height())
        Image1->setPixmap(sidePicture(height()));
}

void Twizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    setWindowTitle(m_main.WizardButton->text().remove(QLatin1Char('&')));
    m_keepAnswers = false;
    fillLists();
    // The list shows the working file while the name stands for it.
    const bool working = CfgName->text() == WizardAnswers::workingFileText();
    Configs->setCurrentIndex(working ? Configs->findText(m_state.working.file(), Qt::MatchFixedString) : -1);
    // The questions copied from the client page take their place now, so that the size fits
    // them before the window is placed; their pages copy them again when entered.
    copyCaptions();
    fitSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    setPage(0);
    if (m_main.isVisible()) {
        m_main.hide();
        m_mainHidden = true;
    }
}

void Twizard::done(int result)
{
    // Shown before the wizard goes, so that the program never finds itself without a window.
    if (m_mainHidden) {
        m_mainHidden = false;
        m_main.show();
        m_main.raise();
        m_main.activateWindow();
    }
    QDialog::done(result);
}

void Twizard::setPage(int index)
{
    const int from = WizardTabs->currentIndex();
    const bool changed = from != index;
    WizardTabs->setCurrentIndex(index);
    checkCfgName();
    // The forward button finishes on the last page; the hidden Done and next hold its two faces.
    const QPushButton* face = index == 4 ? Done : next;
    BitBtn2->setText(face->text());
    BitBtn2->setIcon(face->icon());
    if (!changed)
        return;
    if (index == 1)
        t2Show(from == 0);
    else if (index == 2)
        t3Show();
    else if (index == 3)
        t4Show();
}

void Twizard::BitBtn1Click()
{
    if (WizardTabs->currentIndex() > 0)
        setPage(WizardTabs->currentIndex() - 1);
}

void Twizard::BitBtn2Click()
{
    if (WizardTabs->currentIndex() >= 4)
        WriteWizardConfig();
    else
        setPage(WizardTabs->currentIndex() + 1);
}

// A name the wizard would refuse is marked with the reason as it is typed, and the user cannot
// leave the first page until it is mended.
void Twizard::checkCfgName()
{
    const QString key = WizardName::refusal(CfgName->text());
    const QString reason = key.isEmpty()                       ? QString()
                           : key == QLatin1String("emptyname") ? emptyname->text()
                                                               : m_state.message(key);
    CfgNameMark->setText(reason);
    CfgNameMark->setVisible(!reason.isEmpty());
    Advice->setVisible(reason.isEmpty());
    BitBtn2->setEnabled(WizardTabs->currentIndex() != 0 || reason.isEmpty());
}

void Twizard::CfgNameChange()
{
    Configs->setCurrentIndex(-1);
}

void Twizard::ConfigsChange(int index)
{
    if (index < 0)
        return;
    // The chosen file becomes the working file, which the design name stands for; the list
    // keeps showing it.
    CfgName->setText(WizardAnswers::workingFileText());
    m_main.useCfgEntry(Configs->itemText(index));
}

void Twizard::wasdClick()
{
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel2->setFrameShadow(QFrame::Raised);
}

void Twizard::arrowsClick()
{
    Bevel1->setFrameShadow(QFrame::Raised);
    Bevel2->setFrameShadow(QFrame::Sunken);
}

void Twizard::t2Show(bool fromFirstPage)
{
    // The advice is for a new file the name will make, given once on the way forward.
    const WizardName::Kind kind =
        WizardName::classify(CfgName->text(), m_state.working.folder(), m_state.working.file()).kind;
    if (fromFirstPage && (kind == WizardName::Kind::NewFile || kind == WizardName::Kind::OtherFile))
        m_state.dialogs.info(m_state.message(QStringLiteral("ConfigCreate")));
    if (m_keepAnswers)
        return;
    const QString showServer = m_state.settings.read(QStringLiteral("show_server"));
    (showServer == QLatin1String("no") ? server1 : server0)->setChecked(true);
    // Without the setting the box shows the count the binder's mouse picture uses, so that Done
    // on a first run does not stop at an empty count.
    QString count = m_state.settings.read(QStringLiteral("mouse_btns"));
    if (count.isEmpty())
        count = QString::number(m_main.MouseButtons);
    buttons->setCurrentIndex(buttons->findText(count));
    buttons->setEditText(count);
}

namespace {

// The question of a client page box, which its caption label carries.
QString clientCaption(const ClientOptionsPage& page, const char* box)
{
    const auto* found = page.findChild<QLabel*>(QLatin1String(box) + QLatin1String("Caption"));
    return found ? found->text() : QString();
}

// Copies a pair of radio buttons, captions and states, including a pair with neither checked.
void copyPair(const ClientPageView::Pair& from, QRadioButton* first, QRadioButton* second)
{
    first->setText(from.firstCaption);
    second->setText(from.secondCaption);
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(from.firstChecked);
    second->setChecked(!from.firstChecked && from.secondChecked);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

} // namespace

void Twizard::copyCaptions()
{
    const ClientOptionsPage& client = *m_main.clientPage;
    w5->setTitle(clientCaption(client, "ClientBox16"));
    wiz1->setTitle(clientCaption(client, "ClientBox1"));
    wiz2->setTitle(clientCaption(client, "ClientBox2"));
    wiz3->setTitle(clientCaption(client, "ClientBox9"));
}

void Twizard::t3Show()
{
    const ClientOptionsPage& client = *m_main.clientPage;
    w5->setTitle(clientCaption(client, "ClientBox16"));
    if (m_keepAnswers)
        return;
    w6->clear();
    w6->addItems(client.view().connections);
    w6->setCurrentIndex(-1);
}

void Twizard::t4Show()
{
    const ClientOptionsPage& client = *m_main.clientPage;
    wiz1->setTitle(clientCaption(client, "ClientBox1"));
    wiz2->setTitle(clientCaption(client, "ClientBox2"));
    wiz3->setTitle(clientCaption(client, "ClientBox9"));
    if (m_keepAnswers)
        return;
    const ClientPageView shown = client.view();
    name->setText(shown.name);
    copyPair(shown.hand, w1, w2);
    copyPair(shown.weapon, w3, w4);
}

WizardAnswers Twizard::answers() const
{
    WizardAnswers a;
    a.cfgName = CfgName->text();
    a.runsServer = !server1->isChecked();
    a.computerSpeed = w7->currentIndex();
    // An entry counts only while the box still shows it: a typed count replaces the choice.
    const int entry = buttons->currentIndex();
    a.buttonsIndex = entry >= 0 && buttons->itemText(entry) == buttons->currentText() ? entry : -1;
    a.buttonsText = buttons->currentText();
    a.wasd = !arrows->isChecked();
    a.connection = w6->currentIndex();
    // The client page knows the bytes its name came from: an unchanged name goes back as those.
    a.name.text = name->text();
    a.name.readText = a.name.text;
    a.name.readBytes = m_main.clientPage->readName().bytesFor(a.name.text);
    a.nameCaption = wiz1->title();
    a.emptyNameText = emptyname->text();
    a.rightHand = w1->isChecked();
    a.showWeapon = w3->isChecked();
    return a;
}

void Twizard::WriteWizardConfig()
{
    const WizardResult result = ::WriteWizardConfig(m_state, answers());
    m_keepAnswers = !result.written();
    if (result.outcome == WizardResult::Outcome::BackToName) {
        setPage(0);
        CfgName->setFocus();
        return;
    }
    if (!result.written())
        return; // the error is shown and nothing changed: the user corrects an answer here
    m_main.wizardWritten(result.cfgFile, result.showServer, result.mouseButtons);
    accept();
}
