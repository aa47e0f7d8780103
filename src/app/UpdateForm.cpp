#include "app/UpdateForm.h"

#include "config/AppState.h"
#include "online/SiteAddress.h"
#include "online/UpdateArtwork.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>

namespace {

#ifdef Q_OS_WIN
constexpr bool WindowsSystem = true;
#else
constexpr bool WindowsSystem = false;
#endif

} // namespace

TUpdateForm::TUpdateForm(AppState& state, Shell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , runsPatch(WindowsSystem)
    , trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
    , m_state(state)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("UpdateForm"));
    setWindowTitle(QStringLiteral("Web-Update"));
    setWindowIcon(UpdateArtwork::windowIcon());
    // Larger than 327 x 114: room for the size lines and the button in any desktop's font.
    setFixedSize(360, 150);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1->setGeometry(4, 4, 101, 87);
    Image1->setPixmap(UpdateArtwork::picture(97, 83));
    Image1->setAlignment(Qt::AlignCenter);

    Status = new QPlainTextEdit(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setReadOnly(true);
    Status->setGeometry(112, 4, 244, 78);
    QFont serif(QStringLiteral("serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(9);
    Status->setFont(serif);

    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(QStringLiteral("File size:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(bold);
    Label1->setGeometry(112, 88, 72, 16);
    size = new QLabel(this);
    size->setObjectName(QStringLiteral("size"));
    size->setGeometry(186, 88, 90, 16);
    Label2 = new QLabel(QStringLiteral("Recieved:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(bold);
    Label2->setGeometry(112, 106, 72, 16);
    RecievedSize = new QLabel(this);
    RecievedSize->setObjectName(QStringLiteral("RecievedSize"));
    RecievedSize->setGeometry(186, 106, 90, 16);

    UpdateButton = new QPushButton(this);
    UpdateButton->setObjectName(QStringLiteral("UpdateButton"));
    UpdateButton->setGeometry(279, 90, 77, 30);
    UpdateButton->setAutoDefault(false);
    // The idle and the busy caption and picture, kept where a language file can reach them.
    ub1 = new QPushButton(UpdateArtwork::idleGlyph(), QStringLiteral("Start!"), this);
    ub1->setObjectName(QStringLiteral("ub1"));
    ub1->hide();
    ub2 = new QPushButton(UpdateArtwork::busyGlyph(), QStringLiteral("Abort"), this);
    ub2->setObjectName(QStringLiteral("ub2"));
    ub2->hide();
    UpdateButton->setText(ub1->text());
    UpdateButton->setIcon(ub1->icon());

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Progress->setGeometry(4, 128, 352, 18);

    HTTP = new UpdateClient(this);
    HTTP->setObjectName(QStringLiteral("HTTP"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    OpenUpdatewindow1 = PopupMenu1->addAction(QStringLiteral("&Open Update window"));
    OpenUpdatewindow1->setObjectName(QStringLiteral("OpenUpdatewindow1"));
    PopupMenu1->setDefaultAction(OpenUpdatewindow1);
    Abortupdating1 = PopupMenu1->addAction(QStringLiteral("Abort updating"));
    Abortupdating1->setObjectName(QStringLiteral("Abortupdating1"));
    Abortupdating1->setVisible(false);

    ImageList1 = UpdateArtwork::trayFrames();
    Tray = new QSystemTrayIcon(ImageList1.first(), this);
    Tray->setObjectName(QStringLiteral("Tray"));
    Tray->setContextMenu(PopupMenu1);
    m_animation.setInterval(300);
    connect(&m_animation, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % int(ImageList1.size());
        Tray->setIcon(ImageList1[m_frame]);
    });

    connect(UpdateButton, &QPushButton::clicked, this, &TUpdateForm::UpdateButtonClick);
    connect(OpenUpdatewindow1, &QAction::triggered, this, &TUpdateForm::OpenUpdatewindow1Click);
    connect(Abortupdating1, &QAction::triggered, this, &TUpdateForm::Abortupdating1Click);
    connect(Tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            PopupMenu1->popup(QCursor::pos());
        else if (reason == QSystemTrayIcon::DoubleClick)
            OpenUpdatewindow1Click();
    });
    connect(HTTP, &UpdateClient::probed, this, [this](bool reached, const QString&) { probed(reached); });
    connect(HTTP, &UpdateClient::progress, this, &TUpdateForm::progressed);
    connect(HTTP, &UpdateClient::finished, this, &TUpdateForm::downloadEnded);

    quitProgram = [] { QCoreApplication::exit(0); };
    showMainWindow = [this] {
        if (parentWidget())
            parentWidget()->show();
    };
    refreshTexts();
}

TUpdateForm::~TUpdateForm() = default;

QString TUpdateForm::message(const QString& key) const
{
    return m_state.message(key);
}

QString TUpdateForm::patchPath() const
{
    return QDir::toNativeSeparators(m_state.ProgramDir + QStringLiteral("/Patch.exe"));
}

void TUpdateForm::addLine(const QString& key)
{
    Status->appendPlainText(message(key));
}

void TUpdateForm::setBusy(bool busy)
{
    const QPushButton* look = busy ? ub2 : ub1;
    UpdateButton->setText(look->text());
    UpdateButton->setIcon(look->icon());
}

void TUpdateForm::refreshTexts()
{
    setBusy(m_run.busy());
    if (!m_animation.isActive())
        Tray->setToolTip(message(QStringLiteral("trayready")));
}

void TUpdateForm::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void TUpdateForm::UpdateButtonClick()
{
    if (m_run.busy())
        abortUpdate();
    else
        StartUpdate();
}

void TUpdateForm::StartUpdate()
{
    if (!m_run.start())
        return;
    setBusy(true);
    addLine(QStringLiteral("Connecting"));
    QString refused;
    m_root = SiteAddress::root(m_state.settings.read(QStringLiteral("site")), &refused);
    if (!m_root.isValid()) {
        // A patch that could be swapped on its way is never fetched, let alone run.
        failed(message(QStringLiteral("insecuresite")).arg(refused));
        return;
    }
    HTTP->probe(SiteAddress::probe(m_root));
}

void TUpdateForm::probed(bool reached)
{
    if (m_run.state() != UpdateRun::State::Probing)
        return; // aborted meanwhile: the abort has said so
    if (!reached) {
        m_run.stop();
        setBusy(false);
        m_state.dialogs.error(message(QStringLiteral("notconnected")));
        addLine(QStringLiteral("Disconnected"));
        return;
    }
    m_run.probeAnswered();
    HTTP->download(SiteAddress::patch(m_root), patchPath());
}

void TUpdateForm::progressed(qint64 received, qint64 total)
{
    const UpdateProgress::Step step = m_run.block(received, total);
    if (!step.moves)
        return;
    if (step.addsDownloadingLine)
        addLine(QStringLiteral("Downloadingpatch"));
    if (!m_animation.isActive())
        m_animation.start();
    Abortupdating1->setVisible(true);
    Progress->setValue(step.bar);
    Tray->setToolTip(message(QStringLiteral("traydownloading")).arg(step.bar));
    size->setText(QString::number(total) + QStringLiteral(" b."));
    RecievedSize->setText(QString::number(step.bar) + QLatin1Char('%'));
}

void TUpdateForm::downloadEnded(UpdateClient::Outcome outcome, const QString& detail)
{
    using Outcome = UpdateClient::Outcome;
    if (outcome == Outcome::Aborted) {
        // The abort itself has already put the window back to idle.
        m_state.dialogs.error(message(QStringLiteral("updateaborted")));
        return;
    }
    if (m_run.state() != UpdateRun::State::Downloading)
        return;
    switch (outcome) {
    case Outcome::Saved:
        patchSaved();
        return;
    case Outcome::Redirected:
        m_run.redirected();
        addLine(QStringLiteral("Nonewver"));
        setBusy(false);
        Progress->setValue(0);
        showMainWindow();
        raise(); // the window stays open, over the main window
        return;
    case Outcome::Refused:
        failed(message(QStringLiteral("badstatus")).arg(detail));
        return;
    case Outcome::Short:
        failed(message(QStringLiteral("shortpatch"))
                   .arg(detail.section(QLatin1Char('/'), 0, 0), detail.section(QLatin1Char('/'), 1, 1)));
        return;
    case Outcome::TimedOut:
        failed(message(QStringLiteral("timedout")).arg(HTTP->idleTimeoutSeconds()));
        return;
    case Outcome::WriteFailed:
        failed(message(QStringLiteral("cannotsave")).arg(patchPath(), detail));
        return;
    case Outcome::Failed:
    case Outcome::Aborted:
        failed(message(QStringLiteral("downloadfailed")).arg(detail));
        return;
    }
}

void TUpdateForm::failed(const QString& text)
{
    m_run.stop();
    setBusy(false);
    Progress->setValue(0);
    addLine(QStringLiteral("Disconnected"));
    m_state.dialogs.error(text);
}

void TUpdateForm::patchSaved()
{
    m_run.stop(true);
    setBusy(false);
    const QString path = patchPath();
    if (!runsPatch) {
        // A Windows program: say where it is rather than try to run it here.
        showMainWindow();
        raise();
        m_state.dialogs.info(message(QStringLiteral("patchsaved")).arg(path));
        return;
    }
    if (!m_shell.start(path)) {
        m_state.dialogs.error(message(QStringLiteral("patchnotstarted")).arg(path));
        return;
    }
    showMainWindow();
    quitProgram();
}

void TUpdateForm::abortUpdate()
{
    addLine(QStringLiteral("Disconnected"));
    m_run.stop();
    Progress->setValue(0);
    setBusy(false);
    HTTP->cancel(); // last: the ended download says so in a message box
}

void TUpdateForm::Abortupdating1Click()
{
    OpenUpdatewindow1Click();
    if (m_run.busy())
        abortUpdate();
}

void TUpdateForm::OpenUpdatewindow1Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    showNormal();
    raise();
    activateWindow();
    Tray->hide();
}

void TUpdateForm::done(int result)
{
    // Every way of closing comes here: the title bar, Escape, close().
    setBusy(false);
    showMainWindow();
    addLine(QStringLiteral("Disconnected"));
    m_run.stop();
    Progress->setValue(0);
    Tray->hide();
    QDialog::done(result);
    HTTP->cancel(); // last: the ended download says so in a message box
}

void TUpdateForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || !trayAvailable)
        return;
    // Wait in the tray: the window and its taskbar button go until the tray brings them back.
    hide();
    Tray->show();
}
