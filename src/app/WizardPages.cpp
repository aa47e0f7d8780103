// The wizard's five pages and its buttons, with their design texts.
#include "app/WizardForm.h"

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

QHBoxLayout* Twizard::buildButtons()
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("&Back"), QStyle::SP_ArrowBack);
    BitBtn3 = button(this, "BitBtn3", QStringLiteral("&Cancel"), QStyle::SP_DialogCancelButton);
    BitBtn2 = button(this, "BitBtn2", QStringLiteral("&Next"), QStyle::SP_ArrowForward);
    row->addWidget(BitBtn1);
    row->addWidget(BitBtn3);
    row->addWidget(BitBtn2);
    BitBtn2->setDefault(true);
    return row;
}

void Twizard::buildFilePage()
{
    t1 = page(WizardTabs, "t1");
    auto* layout = static_cast<QVBoxLayout*>(t1->layout());
    Welcome = text(t1, "Welcome",
                   QStringLiteral("Welcome to the Quarvel config Wizard. Please take a few moments to fill in the "
                                  "necessary inforamtion required to make CS better for you.\r\n\r\nWould you like "
                                  "to create your own config file or edit the general one?"));
    layout->addWidget(Welcome);
    auto* files = new QHBoxLayout;
    GroupBox1 = group(t1, "GroupBox1", QStringLiteral("New config"));
    CfgName = new QLineEdit(WizardAnswers::workingFileText(), GroupBox1);
    CfgName->setObjectName(QStringLiteral("CfgName"));
    (new QVBoxLayout(GroupBox1))->addWidget(CfgName);
    GroupBox2 = group(t1, "GroupBox2", QStringLiteral("Existing config"));
    Configs = dropDown(GroupBox2, "Configs");
    (new QVBoxLayout(GroupBox2))->addWidget(Configs);
    files->addWidget(GroupBox1, 1);
    files->addWidget(GroupBox2, 1);
    layout->addLayout(files);
    Advice = text(t1, "Advice",
                  QStringLiteral("CS uses config.cfg by default.\r\nYou can create your own config file with your "
                                 "personal settings and play CS with it. Example: You and your brother use different "
                                 "CS settings. You can create your own config files and play with different settings "
                                 "easily."));
    layout->addWidget(Advice);
    // A refused name is marked in the advice's place, in red; it is set only while the wizard
    // runs, so the translator never sees a text in it.
    CfgNameMark = text(t1, "CfgNameMark", QString());
    QPalette red = CfgNameMark->palette();
    red.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    CfgNameMark->setPalette(red);
    CfgNameMark->hide();
    layout->addWidget(CfgNameMark);
    emptyname = text(t1, "emptyname", WizardAnswers().emptyNameText);
    emptyname->hide();
    layout->addStretch(1);
}

void Twizard::buildMachinePage()
{
    t2 = page(WizardTabs, "t2");
    auto* layout = static_cast<QVBoxLayout*>(t2->layout());
    GroupBox3 = group(t2, "GroupBox3", QStringLiteral("Do you run a server?"));
    GroupBox3->setToolTip(QStringLiteral("If YES then you should fill out server options"));
    auto* server = new QVBoxLayout(GroupBox3);
    server0 = radio(GroupBox3, "server0", QStringLiteral("Yes, and I want to fill out server options"));
    server1 = radio(GroupBox3, "server1", QStringLiteral("No, please remove SERVER tab from main window"));
    server0->setChecked(true);
    server->addWidget(server0);
    server->addWidget(server1);
    layout->addWidget(GroupBox3);

    GroupBox4 = group(t2, "GroupBox4", QStringLiteral("How fast is your computer? As faster, as better CS graphics."));
    w7 = dropDown(GroupBox4, "w7");
    (new QVBoxLayout(GroupBox4))->addWidget(w7);
    layout->addWidget(GroupBox4);

    GroupBox6 = group(t2, "GroupBox6", QStringLiteral("How many buttons are at your mouse?"));
    buttons = dropDown(GroupBox6, "buttons");
    buttons->setEditable(true);
    buttons->setInsertPolicy(QComboBox::NoInsert);
    (new QVBoxLayout(GroupBox6))->addWidget(buttons);
    layout->addWidget(GroupBox6);
    layout->addStretch(1);
}

void Twizard::buildMovementPage()
{
    t3 = page(WizardTabs, "t3");
    auto* layout = static_cast<QVBoxLayout*>(t3->layout());
    GroupBox5 = group(t3, "GroupBox5", QStringLiteral("What keyboard layout do you use?"));
    auto* grid = new QGridLayout(GroupBox5);
    wasd = radio(GroupBox5, "wasd", QStringLiteral("WASD [at the left side of the keyboard]"));
    arrows = radio(GroupBox5, "arrows", QStringLiteral("Arrows"));
    wasd->setChecked(true);

    // The two key groups, the chosen one drawn pressed in.
    const auto bevel = [this](const char* name, const QList<QPair<const char*, const char*>>& keys) {
        auto* frame = new QFrame(GroupBox5);
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
    Bevel1 = bevel("Bevel1", {{"w", "W"}, {"a", "A"}, {"s", "S"}, {"d", "D"}});
    Bevel2 = bevel("Bevel2", {{"UPARROW", "UP"}, {"LEFTARROW", "<<"}, {"DOWNARROW", "DN"}, {"RIGHTARROW", ">>"}});
    grid->addWidget(wasd, 0, 0);
    grid->addWidget(Bevel1, 0, 1);
    grid->addWidget(arrows, 1, 0);
    grid->addWidget(Bevel2, 1, 1);
    grid->setColumnStretch(0, 1);
    wasdClick();
    layout->addWidget(GroupBox5);

    w5 = group(t3, "w5", QString());
    w6 = dropDown(w5, "w6");
    (new QVBoxLayout(w5))->addWidget(w6);
    layout->addWidget(w5);
    layout->addStretch(1);
}

void Twizard::buildPlayerPage()
{
    t4 = page(WizardTabs, "t4");
    auto* layout = static_cast<QVBoxLayout*>(t4->layout());
    wiz1 = group(t4, "wiz1", QString());
    name = new QLineEdit(wiz1);
    name->setObjectName(QStringLiteral("name"));
    (new QVBoxLayout(wiz1))->addWidget(name);
    layout->addWidget(wiz1);
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
    pair(wiz2, "wiz2", w1, "w1", w2, "w2");
    pair(wiz3, "wiz3", w3, "w3", w4, "w4");
    w1->setChecked(true);
    w3->setChecked(true);
    layout->addStretch(1);
}

void Twizard::buildClosingPage()
{
    t5 = page(WizardTabs, "t5");
    Closing = text(t5, "Closing",
                   QStringLiteral("Thank you for answering. Many more game options can be tuned in the main window: "
                                  "the client and server options, the key binder and the HUD changer.\r\n\r\nIf you "
                                  "want to change wizard options again, just click the \"Wizard\" button at the right "
                                  "corner of main window.\r\n\r\nHave a nice game!"));
    t5->layout()->addWidget(Closing);
    static_cast<QVBoxLayout*>(t5->layout())->addStretch(1);
    // They only hold the forward button's two pictures.
    Done = button(t5, "Done", QStringLiteral("&Done"), QStyle::SP_DialogApplyButton);
    next = button(t5, "next", QStringLiteral("&Next"), QStyle::SP_ArrowForward);
    Done->hide();
    next->hide();
}
