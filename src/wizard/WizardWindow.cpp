#include "wizard/WizardWindow.h"

#include "config/AppState.h"
#include "config/Settings.h"
#include "language/FormTranslator.h"
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

WizardWindow::WizardWindow(AppState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("wizard"));
    setWindowTitle(QStringLiteral("Wizard"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setAlignment(Qt::AlignTop);
    // Its picture is drawn to the window's height once the size is fitted; its width counts from
    // the start.
    m_picture->setFixedWidth(PictureWidth);
    outer->addWidget(m_picture);
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 8, 8, 8);
    outer->addLayout(right, 1);

    // Pages without tabs: only the buttons below move between them.
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("WizardTabs"));
    right->addWidget(m_pages, 1);
    buildFilePage();
    buildMachinePage();
    buildMovementPage();
    buildPlayerPage();
    buildClosingPage();

    right->addLayout(buildButtons());

    connect(m_backButton, &QPushButton::clicked, this, &WizardWindow::goBack);
    connect(m_forwardButton, &QPushButton::clicked, this, &WizardWindow::goForward);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_configName, &QLineEdit::textEdited, this, &WizardWindow::forgetConfigChoice);
    connect(m_configName, &QLineEdit::textChanged, this, &WizardWindow::checkConfigName);
    connect(m_configs, &QComboBox::activated, this, &WizardWindow::chooseConfig);
    connect(m_wasd, &QRadioButton::toggled, this, &WizardWindow::showChosenLayout);

    // The size is fitted when the window shows, to the texts it shows then.
    fillLists();
}

void WizardWindow::start(const WizardContext& context)
{
    setContext(context);
    show();
}

void WizardWindow::setContext(const WizardContext& context)
{
    m_context = context;
    fillConfigs();
}

// The list keeps showing the file it showed, if the new list holds it.
void WizardWindow::fillConfigs()
{
    QStringList listed;
    for (int i = 0; i < m_configs->count(); ++i)
        listed << m_configs->itemText(i);
    if (listed == m_context.configs)
        return; // as it is, and a choice being made in it stays undisturbed
    const QString shown = m_configs->currentIndex() >= 0 ? m_configs->currentText() : QString();
    m_configs->clear();
    m_configs->addItems(m_context.configs);
    m_configs->setCurrentIndex(shown.isEmpty() ? -1 : m_configs->findText(shown, Qt::MatchFixedString));
}

// The entries of the speed and button lists are message texts, so that they follow the language.
void WizardWindow::fillLists()
{
    static constexpr MessageKey Speeds[] = {Msg::WizardSpeedBad, Msg::WizardSpeedPoor, Msg::WizardSpeedNormal,
                                            Msg::WizardSpeedGood, Msg::WizardSpeedBest};
    const int speed = m_computerSpeed->currentIndex();
    m_computerSpeed->clear();
    for (const MessageKey key : Speeds)
        m_computerSpeed->addItem(m_state.message(key));
    m_computerSpeed->setCurrentIndex(speed);

    QComboBox* buttons = m_mouseButtons;
    const bool first = buttons->count() == 0;
    const int count = first ? 0 : buttons->currentIndex();
    const QString typed = buttons->currentText();
    const bool chosen = first || (count >= 0 && buttons->itemText(count) == typed);
    buttons->clear();
    buttons->addItems({QStringLiteral("2"), m_state.message(Msg::WizardButtonsThree), QStringLiteral("4"),
                       QStringLiteral("5"), m_state.message(Msg::WizardButtonsMore)});
    buttons->setCurrentIndex(chosen ? count : -1);
    if (!chosen)
        buttons->setEditText(typed);
}

void WizardWindow::translate(TFormTranslator& translator)
{
    const QString typed = m_configName->text();
    m_nameRefusal->clear(); // a refusal shown now is no text of the window
    // The wizard speaks the main window's language: qvl.ini names a file only for the windows
    // it lists, and the wizard is not one of them. Its texts still go to the template.
    translator.TranslateFormAs(this, QStringLiteral("MainForm"));
    m_configName->setText(typed);
    checkConfigName();
    fillLists(); // the size follows at the next show: the language never changes while it is open
}

// Group titles do not wrap: the window is as wide as the longest question of the language in use.
void WizardWindow::fitSize()
{
    // A title set a moment ago has not reached the outer layouts yet.
    m_pages->updateGeometry();
    for (QLayout* inner : layout()->findChildren<QLayout*>())
        inner->invalidate();
    layout()->invalidate();
    const QSize needed = layout()->minimumSize();
    setFixedSize(qMax(640, needed.width()), qMax(360, needed.height()));
    if (m_picture->pixmap().height() != height())
        m_picture->setPixmap(sidePicture(height()));
}

void WizardWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_context.title.isEmpty())
        setWindowTitle(QString(m_context.title).remove(QLatin1Char('&')));
    m_keepAnswers = false;
    fillLists();
    // The list shows the working file while the name stands for it.
    const bool working = m_configName->text() == WizardAnswers::workingFileText();
    m_configs->setCurrentIndex(working ? m_configs->findText(m_state.working.file(), Qt::MatchFixedString) : -1);
    // The questions copied from the client page take their place now, so that the size fits
    // them before the window is placed; their pages copy them again when entered.
    showClientQuestions();
    fitSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    setPage(0);
    if (QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        owner->hide();
        m_parentHidden = true;
    }
}

void WizardWindow::done(int result)
{
    // Shown before the wizard goes, so that the program never finds itself without a window.
    if (QWidget* owner = parentWidget(); owner && m_parentHidden) {
        owner->show();
        owner->raise();
        owner->activateWindow();
    }
    m_parentHidden = false;
    QDialog::done(result);
}

void WizardWindow::setPage(int index)
{
    const int from = m_pages->currentIndex();
    const bool changed = from != index;
    m_pages->setCurrentIndex(index);
    checkConfigName();
    // The forward button finishes on the last page; the two hidden buttons hold its two faces.
    const QPushButton* face = index == 4 ? m_doneFace : m_nextFace;
    m_forwardButton->setText(face->text());
    m_forwardButton->setIcon(face->icon());
    if (!changed)
        return;
    if (index == 1)
        enterMachinePage(from == 0);
    else if (index == 2)
        enterMovementPage();
    else if (index == 3)
        enterPlayerPage();
}

void WizardWindow::goBack()
{
    if (m_pages->currentIndex() > 0)
        setPage(m_pages->currentIndex() - 1);
}

void WizardWindow::goForward()
{
    if (m_pages->currentIndex() >= 4)
        writeAnswers();
    else
        setPage(m_pages->currentIndex() + 1);
}

// A name the wizard would refuse is marked with the reason as it is typed, and the user cannot
// leave the first page until it is mended.
void WizardWindow::checkConfigName()
{
    const QString reason =
        WizardName::reason(WizardName::refusal(m_configName->text()), m_state, m_emptyNameText->text());
    m_nameRefusal->setText(reason);
    m_nameRefusal->setVisible(!reason.isEmpty());
    m_advice->setVisible(reason.isEmpty());
    m_forwardButton->setEnabled(m_pages->currentIndex() != 0 || reason.isEmpty());
}

// A typed name is no choice from the list.
void WizardWindow::forgetConfigChoice()
{
    m_configs->setCurrentIndex(-1);
}

void WizardWindow::chooseConfig(int index)
{
    if (index < 0)
        return;
    // The chosen file becomes the working file, which the design name stands for; the list
    // keeps showing it.
    m_configName->setText(WizardAnswers::workingFileText());
    Q_EMIT configChosen(m_configs->itemText(index));
}

// The chosen key group is drawn pressed in.
void WizardWindow::showChosenLayout()
{
    const bool wasd = m_wasd->isChecked();
    m_wasdKeys->setFrameShadow(wasd ? QFrame::Sunken : QFrame::Raised);
    m_arrowKeys->setFrameShadow(wasd ? QFrame::Raised : QFrame::Sunken);
}

void WizardWindow::enterMachinePage(bool fromFirstPage)
{
    // The advice is for a new file the name will make, given once on the way forward.
    const WizardName::Kind kind =
        WizardName::classify(m_configName->text(), m_state.working.folder(), m_state.working.file()).kind;
    if (fromFirstPage && (kind == WizardName::Kind::NewFile || kind == WizardName::Kind::OtherFile))
        m_state.dialogs.info(m_state.message(Msg::ConfigCreated));
    if (m_keepAnswers)
        return;
    (m_state.settings.read(Setting::ShowServerPage) ? m_runsServer : m_noServer)->setChecked(true);
    // Without a count in the setting the box shows the one the binder's mouse picture uses, so
    // that Done on a first run does not stop at an empty count.
    NumberSetting buttons = Setting::MouseButtons;
    buttons.fallback = m_context.mouseButtons;
    const QString count = QString::number(m_state.settings.read(buttons));
    m_mouseButtons->setCurrentIndex(m_mouseButtons->findText(count));
    m_mouseButtons->setEditText(count);
}

namespace {

// Sets a pair of radio buttons, captions and states, including a pair with neither checked.
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

void WizardWindow::showClientQuestions()
{
    const ClientPageView& client = m_context.client;
    m_connectionBox->setTitle(client.connectionQuestion);
    m_nameBox->setTitle(client.nameQuestion);
    m_handBox->setTitle(client.handQuestion);
    m_weaponBox->setTitle(client.weaponQuestion);
}

void WizardWindow::enterMovementPage()
{
    showClientQuestions();
    if (m_keepAnswers)
        return;
    m_connection->clear();
    m_connection->addItems(m_context.client.connections);
    m_connection->setCurrentIndex(-1);
}

void WizardWindow::enterPlayerPage()
{
    showClientQuestions();
    if (m_keepAnswers)
        return;
    m_playerName->setText(m_context.client.name);
    copyPair(m_context.client.hand, m_rightHand, m_leftHand);
    copyPair(m_context.client.weapon, m_showWeapon, m_hideWeapon);
}

WizardAnswers WizardWindow::answers() const
{
    WizardAnswers a;
    a.cfgName = m_configName->text();
    a.runsServer = !m_noServer->isChecked();
    a.computerSpeed = m_computerSpeed->currentIndex();
    // An entry counts only while the box still shows it: a typed count replaces the choice.
    const int entry = m_mouseButtons->currentIndex();
    a.buttonsIndex = entry >= 0 && m_mouseButtons->itemText(entry) == m_mouseButtons->currentText() ? entry : -1;
    a.buttonsText = m_mouseButtons->currentText();
    a.wasd = !m_arrows->isChecked();
    a.connection = m_connection->currentIndex();
    // The client page knows the bytes its name came from: an unchanged name goes back as those.
    a.name.text = m_playerName->text();
    a.name.readText = a.name.text;
    a.name.readBytes = m_context.client.readName.bytesFor(a.name.text);
    a.nameCaption = m_nameBox->title();
    a.emptyNameText = m_emptyNameText->text();
    a.rightHand = m_rightHand->isChecked();
    a.showWeapon = m_showWeapon->isChecked();
    return a;
}

void WizardWindow::writeAnswers()
{
    const WizardResult result = WriteWizardConfig(m_state, answers());
    m_keepAnswers = !result.written();
    if (result.outcome == WizardResult::Outcome::BackToName) {
        setPage(0);
        m_configName->setFocus();
        return;
    }
    if (!result.written())
        return; // the error is shown and nothing changed: the user corrects an answer here
    Q_EMIT written(result);
    accept();
}
