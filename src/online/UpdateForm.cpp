#include "online/UpdateForm.h"

#include "config/AppState.h"
#include "config/RuntimeHint.h"
#include "config/Settings.h"
#include "online/PatchSignature.h"
#include "online/SiteAddress.h"
#include "online/UpdateArtwork.h"
#include "online/UpdateTray.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>

#include <algorithm>
#include <tuple>

namespace {

#ifdef Q_OS_WIN
constexpr bool WindowsSystem = true;
#else
constexpr bool WindowsSystem = false;
#endif

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace

TUpdateForm::TUpdateForm(AppState& state, Shell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_shell(shell)
    , m_runsPatch(WindowsSystem)
    , m_trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
{
    setObjectName(QStringLiteral("UpdateForm"));
    setWindowIcon(UpdateArtwork::windowIcon());

    auto* picture = named(new QLabel(this), "Image1");
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setGeometry(4, 4, 101, 87);
    picture->setPixmap(UpdateArtwork::picture(97, 83));
    picture->setAlignment(Qt::AlignCenter);

    m_status = named(new QPlainTextEdit(this), "Status");
    m_status->setReadOnly(true);
    QFont serif(QStringLiteral("serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(9);
    m_status->setFont(serif);

    QFont bold = font();
    bold.setBold(true);
    m_sizeCaption = named(new QLabel(QStringLiteral("File size:"), this), "Label1");
    m_sizeCaption->setFont(bold);
    m_size = named(new QLabel(this), "size");
    m_receivedCaption = named(new QLabel(QStringLiteral("Recieved:"), this), "Label2");
    m_receivedCaption->setFont(bold);
    m_received = named(new QLabel(this), "RecievedSize");

    m_button = named(new QPushButton(this), "UpdateButton");
    m_button->setAutoDefault(false);
    // The idle and the busy caption and picture, kept where a language file can reach them.
    m_idleLook = named(new QPushButton(UpdateArtwork::idleGlyph(), QStringLiteral("Start!"), this), "ub1");
    m_idleLook->hide();
    m_busyLook = named(new QPushButton(UpdateArtwork::busyGlyph(), QStringLiteral("Abort"), this), "ub2");
    m_busyLook->hide();
    m_button->setText(m_idleLook->text());
    m_button->setIcon(m_idleLook->icon());

    m_progress = named(new QProgressBar(this), "Progress");
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    // Where no patch is downloaded, the bar's place shows where a new version can be had.
    m_newVersionLink = named(new QLabel(this), "NewVersionLink");
    m_newVersionLink->setTextFormat(Qt::RichText);
    RuntimeHint::mark(m_newVersionLink); // its tip is the address
    m_newVersionLink->hide();
    connect(m_newVersionLink, &QLabel::linkActivated, this, [this](const QString& link) { m_shell.open(link); });
    for (const auto& [label, key, english] :
         {std::tuple{&m_title, "title", "Web-Update"}, std::tuple{&m_bytes, "bytes", "b."},
          std::tuple{&m_newVersion, "newversion", "A new version is available at %1"}}) {
        *label = named(new QLabel(QString::fromLatin1(english), this), key);
        (*label)->hide();
    }

    m_client = named(new UpdateClient(this), "HTTP");
    m_tray = new UpdateTray(this);

    connect(m_button, &QPushButton::clicked, this, &TUpdateForm::startOrAbort);
    connect(m_tray, &UpdateTray::openRequested, this, &TUpdateForm::openFromTray);
    connect(m_tray, &UpdateTray::abortRequested, this, &TUpdateForm::abortFromTray);
    connect(m_client, &UpdateClient::probed, this, &TUpdateForm::probed);
    connect(m_client, &UpdateClient::progress, this, &TUpdateForm::progressed);
    connect(m_client, &UpdateClient::finished, this, &TUpdateForm::downloadEnded);
    refreshTexts();
}

TUpdateForm::~TUpdateForm() = default;

QString TUpdateForm::patchPath() const
{
    return QDir::toNativeSeparators(m_state.ProgramDir + QStringLiteral("/Patch.exe"));
}

void TUpdateForm::addLine(MessageKey key)
{
    // '#10' in a message stands for a line break.
    QString text = m_state.message(key);
    text.replace(QLatin1String("'#10'"), QLatin1String("\n")).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_status->appendPlainText(text);
}

void TUpdateForm::setBusy(bool busy)
{
    const QPushButton* look = busy ? m_busyLook : m_idleLook;
    m_button->setText(look->text());
    m_button->setIcon(look->icon());
}

void TUpdateForm::refreshTexts()
{
    setWindowTitle(m_title->text());
    setBusy(m_run.busy());
    m_tray->setReadyTip(m_state.message(Msg::TrayReady));
    showSize();
    if (!m_newVersionLink->isHidden())
        showNewVersion();
    placeControls();
}

void TUpdateForm::showSize()
{
    m_size->setText(m_sizeTotal < 0 ? QString() : QString::number(m_sizeTotal) + QLatin1Char(' ') + m_bytes->text());
}

void TUpdateForm::placeControls()
{
    // The window grows from 360 x 150 to hold the texts of the interface language: the size
    // lines' captions, a size of hundreds of megabytes beside them, and the button's longer caption.
    const int captions = std::max(m_sizeCaption->sizeHint().width(), m_receivedCaption->sizeHint().width());
    const int values = fontMetrics().horizontalAdvance(QStringLiteral("999999999 ") + m_bytes->text()) + 4;
    int button = 77;
    for (const QPushButton* look : {m_idleLook, m_busyLook})
        button = std::max(button, look->sizeHint().width());
    const int width = std::max(360, 112 + captions + 4 + values + 3 + button + 4);
    setFixedSize(width, 150);
    m_status->setGeometry(112, 4, width - 116, 78);
    m_sizeCaption->setGeometry(112, 88, captions, 16);
    m_receivedCaption->setGeometry(112, 106, captions, 16);
    m_size->setGeometry(116 + captions, 88, values, 16);
    m_received->setGeometry(116 + captions, 106, values, 16);
    m_button->setGeometry(width - 4 - button, 90, button, 30);
    m_progress->setGeometry(4, 128, width - 8, 18);
    m_newVersionLink->setGeometry(m_progress->geometry());
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

void TUpdateForm::startOrAbort()
{
    if (m_run.busy())
        abortUpdate();
    else
        startUpdate();
}

void TUpdateForm::startUpdate()
{
    if (!m_run.start())
        return;
    setBusy(true);
    // A run starts from nothing: the bar and the sizes of an earlier download go.
    m_progress->setValue(0);
    m_sizeTotal = -1;
    showSize();
    m_received->clear();
    m_newVersionLink->hide();
    m_progress->show();
    addLine(Msg::Connecting);
    QString refused;
    m_root = SiteAddress::root(m_state.settings.read(Setting::Site), &refused);
    if (!m_root.isValid()) {
        // A patch that could be swapped on its way is never fetched, let alone run.
        failed(m_state.message(Msg::InsecureSite).arg(refused));
        return;
    }
    m_client->probe(SiteAddress::probe(m_root));
}

void TUpdateForm::probed(const UpdateClient::Ending& ending)
{
    if (m_run.state() != UpdateRun::State::Probing)
        return; // aborted meanwhile: the abort has said so
    if (ending.outcome != UpdateClient::Outcome::Available) {
        m_run.stop();
        setBusy(false);
        // The box says only that the site was not reached; the status keeps the network's reason.
        m_status->appendPlainText(ending.outcome == UpdateClient::Outcome::TimedOut ? failureText(ending)
                                                                                    : ending.error);
        m_state.dialogs.error(m_state.message(Msg::NotConnected));
        addLine(Msg::Disconnected);
        return;
    }
    m_run.probeAnswered();
    if (m_runsPatch)
        m_client->download(SiteAddress::patch(m_root), patchPath());
    else
        m_client->look(SiteAddress::patch(m_root)); // a Windows program: only whether there is one
}

void TUpdateForm::progressed(qint64 received, qint64 total)
{
    const UpdateProgress::Step step = m_run.block(received, total);
    if (!step.moves)
        return;
    if (step.addsDownloadingLine)
        addLine(Msg::DownloadingPatch);
    m_progress->setValue(step.bar);
    m_tray->showDownloading(m_state.message(Msg::TrayDownloading).arg(step.bar));
    m_sizeTotal = total;
    showSize();
    m_received->setText(QString::number(step.bar) + QLatin1Char('%'));
}

QString TUpdateForm::failureText(const UpdateClient::Ending& ending) const
{
    using Outcome = UpdateClient::Outcome;
    switch (ending.outcome) {
    case Outcome::Refused:
        return m_state.message(Msg::BadStatus).arg(ending.status);
    case Outcome::Short:
        return m_state.message(Msg::ShortPatch).arg(ending.received).arg(ending.announced);
    case Outcome::TimedOut:
        return m_state.message(Msg::TimedOut).arg(m_client->idleTimeoutSeconds());
    case Outcome::WriteFailed:
        return m_state.message(Msg::CannotSavePatch).arg(patchPath(), ending.error);
    case Outcome::Aborted:
        return m_state.message(Msg::UpdateAborted);
    case Outcome::Unsigned: {
        QString cause = m_state.message(PatchSignature::message(ending.fault));
        if (!ending.error.isEmpty())
            cause = cause.arg(ending.error);
        return m_state.message(Msg::PatchUnsigned).arg(cause);
    }
    case Outcome::Saved:
    case Outcome::Available:
    case Outcome::Redirected:
    case Outcome::Failed:
        break;
    }
    return m_state.message(Msg::DownloadFailed).arg(ending.error);
}

void TUpdateForm::downloadEnded(const UpdateClient::Ending& ending)
{
    using Outcome = UpdateClient::Outcome;
    if (ending.outcome == Outcome::Aborted) {
        // The abort itself has already put the window back to idle.
        m_state.dialogs.error(failureText(ending));
        return;
    }
    if (m_run.state() != UpdateRun::State::Downloading)
        return;
    switch (ending.outcome) {
    case Outcome::Saved:
        patchSaved();
        return;
    case Outcome::Available:
        m_run.stop();
        setBusy(false);
        m_status->appendPlainText(m_newVersion->text().arg(m_root.toString()));
        showNewVersion();
        return;
    case Outcome::Redirected:
        m_run.redirected();
        addLine(Msg::NoNewVersion);
        setBusy(false);
        m_progress->setValue(0);
        Q_EMIT mainWindowWanted();
        raise(); // the window stays open, over the main window
        return;
    default:
        failed(failureText(ending));
        return;
    }
}

void TUpdateForm::failed(const QString& text)
{
    m_run.stop();
    setBusy(false);
    m_progress->setValue(0);
    addLine(Msg::Disconnected);
    m_state.dialogs.error(text);
}

void TUpdateForm::showNewVersion()
{
    const QString address = m_root.toString();
    const QString link = QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped());
    m_newVersionLink->setText(m_newVersion->text().toHtmlEscaped().arg(link));
    m_newVersionLink->setToolTip(address);
    m_progress->hide();
    m_newVersionLink->show();
}

void TUpdateForm::patchSaved()
{
    m_run.stop(true);
    setBusy(false);
    const QString path = patchPath();
    if (!m_shell.start(path)) {
        m_state.dialogs.error(m_state.message(Msg::PatchNotStarted).arg(path));
        return;
    }
    Q_EMIT mainWindowWanted();
    Q_EMIT patchStarted();
}

void TUpdateForm::abortUpdate()
{
    addLine(Msg::Disconnected);
    m_run.stop();
    m_progress->setValue(0);
    setBusy(false);
    m_client->cancel(); // last: the ended download says so in a message box
}

void TUpdateForm::abortFromTray()
{
    openFromTray();
    if (m_run.busy())
        abortUpdate();
}

void TUpdateForm::openFromTray()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    showNormal();
    raise();
    activateWindow();
    m_tray->hide();
}

void TUpdateForm::done(int result)
{
    // Every way of closing comes here: the title bar, Escape, close().
    setBusy(false);
    Q_EMIT mainWindowWanted();
    addLine(Msg::Disconnected);
    m_run.stop();
    m_progress->setValue(0);
    m_tray->hide();
    QDialog::done(result);
    m_client->cancel(); // last: the ended download says so in a message box
}

void TUpdateForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || !m_trayAvailable)
        return;
    // Wait in the tray: the window and its taskbar button go until the tray brings them back.
    hide();
    m_tray->show();
}
