// The wizard's five pages and its buttons, with their design texts.
#include "wizard/WizardWindow.h"

#include "wizard/WizardAnswers.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel* text(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& caption)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QRadioButton* radio(QWidget* box, const char* name, const QString& caption)
{
    auto* button = new QRadioButton(caption, box);
    button->setObjectName(QLatin1String(name));
    return button;
}

QComboBox* dropDown(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap glyph)
{
    auto* b = new QPushButton(parent->style()->standardIcon(glyph), caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setMinimumSize(75, 25);
    return b;
}

QLabel* keyLabel(QWidget* bevel, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, bevel);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setMinimumSize(26, 20);
    return label;
}

QWidget* page(QStackedWidget* tabs, const char* name)
{
    auto* w = new QWidget(tabs);
    w->setObjectName(QLatin1String(name));
    tabs->addWidget(w);
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(4, 4, 4, 4);
    return w;
}

} // namespace

QHBoxLayout* WizardWindow::buildButtons()
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    m_backButton = button(this, "BitBtn1", QStringLiteral("&Back"), QStyle::SP_ArrowBack);
    m_cancelButton = button(this, "BitBtn3", QStringLiteral("&Cancel"), QStyle::SP_DialogCancelButton);
    m_forwardButton = button(this, "BitBtn2", QStringLiteral("&Next"), QStyle::SP_ArrowForward);
    row->addWidget(m_backButton);
    row->addWidget(m_cancelButton);
    row->addWidget(m_forwardButton);
    m_forwardButton->setDefault(true);
    return row;
}

void WizardWindow::buildFilePage()
{
    QWidget* t1 = page(m_pages, "t1");
    auto* layout = static_cast<QVBoxLayout*>(t1->layout());
    layout->addWidget(
        text(t1, "Welcome",
             QStringLiteral("Welcome to the Quarvel config Wizard. Please take a few moments to fill in the "
                            "necessary inforamtion required to make CS better for you.\r\n\r\nWould you like "
                            "to create your own config file or edit the general one?")));
    auto* files = new QHBoxLayout;
    QGroupBox* newConfig = group(t1, "GroupBox1", QStringLiteral("New config"));
    m_configName = new QLineEdit(WizardAnswers::workingFileText(), newConfig);
    m_configName->setObjectName(QStringLiteral("CfgName"));
    (new QVBoxLayout(newConfig))->addWidget(m_configName);
    QGroupBox* existing = group(t1, "GroupBox2", QStringLiteral("Existing config"));
    m_configs = dropDown(existing, "Configs");
    (new QVBoxLayout(existing))->addWidget(m_configs);
    files->addWidget(newConfig, 1);
    files->addWidget(existing, 1);
    layout->addLayout(files);
    m_advice = text(t1, "Advice",
                    QStringLiteral("CS uses config.cfg by default.\r\nYou can create your own config file with your "
                                   "personal settings and play CS with it. Example: You and your brother use "
                                   "different CS settings. You can create your own config files and play with "
                                   "different settings easily."));
    layout->addWidget(m_advice);
    // A refused name is marked in the advice's place, in red; it is set only while the wizard
    // runs, so the translator never sees a text in it.
    m_nameRefusal = text(t1, "CfgNameMark", QString());
    QPalette red = m_nameRefusal->palette();
    red.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    m_nameRefusal->setPalette(red);
    m_nameRefusal->hide();
    layout->addWidget(m_nameRefusal);
    m_emptyNameText = text(t1, "emptyname", WizardAnswers().emptyNameText);
    m_emptyNameText->hide();
    layout->addStretch(1);
}

void WizardWindow::buildMachinePage()
{
    QWidget* t2 = page(m_pages, "t2");
    auto* layout = static_cast<QVBoxLayout*>(t2->layout());
    QGroupBox* server = group(t2, "GroupBox3", QStringLiteral("Do you run a server?"));
    server->setToolTip(QStringLiteral("If YES then you should fill out server options"));
    auto* serverLayout = new QVBoxLayout(server);
    m_runsServer = radio(server, "server0", QStringLiteral("Yes, and I want to fill out server options"));
    m_noServer = radio(server, "server1", QStringLiteral("No, please remove SERVER tab from main window"));
    m_runsServer->setChecked(true);
    serverLayout->addWidget(m_runsServer);
    serverLayout->addWidget(m_noServer);
    layout->addWidget(server);

    QGroupBox* speed =
        group(t2, "GroupBox4", QStringLiteral("How fast is your computer? As faster, as better CS graphics."));
    m_computerSpeed = dropDown(speed, "w7");
    (new QVBoxLayout(speed))->addWidget(m_computerSpeed);
    layout->addWidget(speed);

    QGroupBox* mouse = group(t2, "GroupBox6", QStringLiteral("How many buttons are at your mouse?"));
    m_mouseButtons = dropDown(mouse, "buttons");
    m_mouseButtons->setEditable(true);
    m_mouseButtons->setInsertPolicy(QComboBox::NoInsert);
    (new QVBoxLayout(mouse))->addWidget(m_mouseButtons);
    layout->addWidget(mouse);
    layout->addStretch(1);
}

void WizardWindow::buildMovementPage()
{
    QWidget* t3 = page(m_pages, "t3");
    auto* layout = static_cast<QVBoxLayout*>(t3->layout());
    QGroupBox* keyboard = group(t3, "GroupBox5", QStringLiteral("What keyboard layout do you use?"));
    auto* grid = new QGridLayout(keyboard);
    m_wasd = radio(keyboard, "wasd", QStringLiteral("WASD [at the left side of the keyboard]"));
    m_arrows = radio(keyboard, "arrows", QStringLiteral("Arrows"));
    m_wasd->setChecked(true);

    // The two key groups, the chosen one drawn pressed in.
    const auto bevel = [keyboard](const char* name, const QList<QPair<const char*, const char*>>& keys) {
        auto* frame = new QFrame(keyboard);
        frame->setObjectName(QLatin1String(name));
        frame->setFrameShape(QFrame::Panel);
        frame->setLineWidth(2);
        auto* keyGrid = new QGridLayout(frame);
        keyGrid->setContentsMargins(4, 4, 4, 4);
        keyGrid->setSpacing(2);
        keyGrid->addWidget(keyLabel(frame, keys[0].first, QLatin1String(keys[0].second)), 0, 1);
        for (int i = 1; i < 4; ++i)
            keyGrid->addWidget(keyLabel(frame, keys[i].first, QLatin1String(keys[i].second)), 1, i - 1);
        return frame;
    };
    m_wasdKeys = bevel("Bevel1", {{"w", "W"}, {"a", "A"}, {"s", "S"}, {"d", "D"}});
    m_arrowKeys = bevel("Bevel2", {{"UPARROW", "UP"}, {"LEFTARROW", "<<"}, {"DOWNARROW", "DN"}, {"RIGHTARROW", ">>"}});
    grid->addWidget(m_wasd, 0, 0);
    grid->addWidget(m_wasdKeys, 0, 1);
    grid->addWidget(m_arrows, 1, 0);
    grid->addWidget(m_arrowKeys, 1, 1);
    grid->setColumnStretch(0, 1);
    showChosenLayout();
    layout->addWidget(keyboard);

    m_connectionBox = group(t3, "w5", QString());
    m_connection = dropDown(m_connectionBox, "w6");
    (new QVBoxLayout(m_connectionBox))->addWidget(m_connection);
    layout->addWidget(m_connectionBox);
    layout->addStretch(1);
}

void WizardWindow::buildPlayerPage()
{
    QWidget* t4 = page(m_pages, "t4");
    auto* layout = static_cast<QVBoxLayout*>(t4->layout());
    m_nameBox = group(t4, "wiz1", QString());
    m_playerName = new QLineEdit(m_nameBox);
    m_playerName->setObjectName(QStringLiteral("name"));
    (new QVBoxLayout(m_nameBox))->addWidget(m_playerName);
    layout->addWidget(m_nameBox);
    const auto pair = [&](QGroupBox*& box, const char* boxName, QRadioButton*& first, const char* firstName,
                          QRadioButton*& second, const char* secondName) {
        box = group(t4, boxName, QString());
        auto* row = new QHBoxLayout(box);
        first = radio(box, firstName, QString());
        second = radio(box, secondName, QString());
        row->addWidget(first);
        row->addWidget(second);
        row->addStretch(1);
        layout->addWidget(box);
    };
    pair(m_handBox, "wiz2", m_rightHand, "w1", m_leftHand, "w2");
    pair(m_weaponBox, "wiz3", m_showWeapon, "w3", m_hideWeapon, "w4");
    m_rightHand->setChecked(true);
    m_showWeapon->setChecked(true);
    layout->addStretch(1);
}

void WizardWindow::buildClosingPage()
{
    QWidget* t5 = page(m_pages, "t5");
    t5->layout()->addWidget(
        text(t5, "Closing",
             QStringLiteral("Thank you for answering. Many more game options can be tuned in the main window: the "
                            "client and server options, the key binder and the HUD changer.\r\n\r\nIf you want "
                            "to change wizard options again, just click the \"Wizard\" button at the right corner "
                            "of main window.\r\n\r\nHave a nice game!")));
    static_cast<QVBoxLayout*>(t5->layout())->addStretch(1);
    // They only hold the forward button's two pictures.
    m_doneFace = button(t5, "Done", QStringLiteral("&Done"), QStyle::SP_DialogApplyButton);
    m_nextFace = button(t5, "next", QStringLiteral("&Next"), QStyle::SP_ArrowForward);
    m_doneFace->hide();
    m_nextFace->hide();
}
