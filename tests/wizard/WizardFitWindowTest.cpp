#include "WizardWindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>

// The wizard is sized when it shows, to the texts of the language in use; made at start-up it
// has no size of its own yet.
TEST_F(WizardTest, OnShowTheWindowFitsItsQuestionsAndThePictureItsHeight)
{
    open();
    EXPECT_EQ(wizard->minimumSize(), wizard->maximumSize()) << "the size is fixed";
    EXPECT_GE(wizard->width(), qMax(640, wizard->layout()->minimumSize().width()));
    EXPECT_GE(wizard->height(), qMax(360, wizard->layout()->minimumSize().height()));
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().height(), wizard->height());

    // Group titles do not wrap: the window grows to show the longest question whole.
    control<QPushButton>("BitBtn3")->click();
    context.client.connectionQuestion = QString(150, u'x');
    open();
    goTo(2);
    QGroupBox* w5 = control<QGroupBox>("w5");
    EXPECT_GE(w5->width(), w5->minimumSizeHint().width());
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().height(), wizard->height());
}
