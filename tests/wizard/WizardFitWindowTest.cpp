#include "WizardWindowFixture.h"

#include <QLabel>
#include <QLayout>

// The wizard is sized when it shows, to the texts of the language in use; made at start-up it
// has no size of its own yet.
TEST_F(WizardWindowTest, OnShowTheWindowFitsItsQuestionsAndThePictureItsHeight)
{
    start();
    open();
    EXPECT_EQ(wizard->minimumSize(), wizard->maximumSize()) << "the size is fixed";
    EXPECT_GE(wizard->width(), qMax(640, wizard->layout()->minimumSize().width()));
    EXPECT_GE(wizard->height(), qMax(360, wizard->layout()->minimumSize().height()));
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().height(), wizard->height());
}
