#include "online/UpdateForm.h"

#include "config/AppState.h"
#include "config/RuntimeHint.h"
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
    , runsPatch(WindowsSystem)
    , trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
    , m_state(state)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("UpdateForm"));
    setWindowIcon(UpdateArtwork::windowIcon());

    Image1 = named(new QLabel(this), "Image1");
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1->setGeometry(4, 4, 101, 87);
    Image1->setPixmap(UpdateArtwork::picture(97, 83));
    Image1->setAlignment(Qt::AlignCenter);

    Status = named(new QPlainTextEdit(this), "Status");
    Status->setReadOnly(true);
    QFont serif(QStringLiteral("serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(9);
    Status->setFont(serif);

    QFont bold = font();
    bold.setBold(true);
    Label1 = named(new QLabel(QStringLiteral("File size:"), this), "Label1");
    Label1->setFont(bold);
    size = named(new QLabel(this), "size");
    Label2 = named(new QLabel(QStringLiteral("Recieved:"), this), "Label2");
    Label2->setFont(bold);
    RecievedSize = named(new QLabel(this), "RecievedSize");

    UpdateButton = named(new QPushButton(this), "UpdateButton");
    UpdateButton->setAutoDefault(false);
    // The idle and the busy caption and picture, kept where a language file can reach them.
    ub1 = named(new QPushButton(UpdateArtwork::idleGlyph(), QStringLiteral("Start!"), this), "ub1");
    ub1->hide();
    ub2 = named(new QPushButton(UpdateArtwork::busyGlyph(), QStringLiteral("Abort"), this), "ub2");
    ub2->hide();
    UpdateButton->setText(ub1->text());
    UpdateButton->setIcon(ub1->icon());

    Progress = named(new QProgressBar(this), "Progress");
    Progress->setRange(0, 100);
    Progress->setValue(0);
    // Where no patch is downloaded, the bar's place shows where a new version can be had.
    NewVersionLink = named(new QLabel(this), "NewVersionLink");
    NewVersionLink->setTextFormat(Qt::RichText);
    RuntimeHint::mark(NewVersionLink); // its tip is the address
    NewVersionLink->hide();
    connect(NewVersionLink, &QLabel::linkActivated, this, [this](const QString& link) { m_shell.open(link); });
    // Texts of the window that no control shows as they are, kept where a language file reaches them.
    for (const auto& [label, key, english] :
         {std::tuple{&m_title, "title", "Web-Update"}, std::tuple{&m_bytes, "bytes", "b."},
          std::tuple{&m_newVersion, "newversion", "A new version is available at %1"}}) {
        *label = named(new QLabel(QString::fromLatin1(english), this), key);
        (*label)->hide();
    }

    HTTP = named(new UpdateClient(this), "HTTP");

    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    OpenUpdatewindow1 = named(PopupMenu1->addAction(QStringLiteral("&Open Update window")), "OpenUpdatewindow1");
    PopupMenu1->setDefaultAction(OpenUpdatewindow1);
    Abortupdating1 = named(PopupMenu1->addAction(QStringLiteral("Abort updating")), "Abortupdating1");
    Abortupdating1->setVisible(false);

    ImageList1 = UpdateArtwork::trayFrames();
    Tray = named(new QSystemTrayIcon(ImageList1.first(), this), "Tray");
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
    // '#10' in a message stands for a line break.
    QString text = message(key);
    text.replace(QLatin1String("'#10'"), QLatin1String("\n")).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Status->appendPlainText(text);
}

void TUpdateForm::setBusy(bool busy)
{
    const QPushButton* look = busy ? ub2 : ub1;
    UpdateButton->setText(look->text());
    UpdateButton->setIcon(look->icon());
}

void TUpdateForm::refreshTexts()
{
    setWindowTitle(m_title->text());
    setBusy(m_run.busy());
    if (!m_animation.isActive())
        Tray->setToolTip(message(QStringLiteral("trayready")));
    showSize();
    if (!NewVersionLink->isHidden())
        showNewVersion();
    placeControls();
}

void TUpdateForm::showSize()
{
    size->setText(m_sizeTotal < 0 ? QString() : QString::number(m_sizeTotal) + QLatin1Char(' ') + m_bytes->text());
}

void TUpdateForm::placeControls()
{
    // The window grows from 360 x 150 to hold the texts of the interface language: the size
    // lines' captions, a size of hundreds of megabytes beside them, and the button's longer caption.
    const int captions = std::max(Label1->sizeHint().width(), Label2->sizeHint().width());
    const int values = fontMetrics().horizontalAdvance(QStringLiteral("999999999 ") + m_bytes->text()) + 4;
    int button = 77;
    for (const QPushButton* look : {ub1, ub2})
        button = std::max(button, look->sizeHint().width());
    const int width = std::max(360, 112 + captions + 4 + values + 3 + button + 4);
    setFixedSize(width, 150);
    Status->setGeometry(112, 4, width - 116, 78);
    Label1->setGeometry(112, 88, captions, 16);
    Label2->setGeometry(112, 106, captions, 16);
    size->setGeometry(116 + captions, 88, values, 16);
    RecievedSize->setGeometry(116 + captions, 106, values, 16);
    UpdateButton->setGeometry(width - 4 - button, 90, button, 30);
    Progress->setGeometry(4, 128, width - 8, 18);
    NewVersionLink->setGeometry(Progress->geometry());
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
    // A run starts from nothing: the bar and the sizes of an earlier download go.
    Progress->setValue(0);
    m_sizeTotal = -1;
    showSize();
    RecievedSize->clear();
    NewVersionLink->hide();
    Progress->show();
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
    if (runsPatch)
        HTTP->download(SiteAddress::patch(m_root), patchPath());
    else
        HTTP->look(SiteAddress::patch(m_root)); // a Windows program: only whether there is one
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
    m_sizeTotal = total;
    showSize();
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
    case Outcome::Available:
        m_run.stop();
        setBusy(false);
        Status->appendPlainText(m_newVersion->text().arg(m_root.toString()));
        showNewVersion();
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

void TUpdateForm::showNewVersion()
{
    const QString address = m_root.toString();
    const QString link = QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped());
    NewVersionLink->setText(m_newVersion->text().toHtmlEscaped().arg(link));
    NewVersionLink->setToolTip(address);
    Progress->hide();
    NewVersionLink->show();
}

void TUpdateForm::patchSaved()
{
    m_run.stop(true);
    setBusy(false);
    const QString path = patchPath();
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
