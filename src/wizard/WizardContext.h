#pragma once

#include "config/ClientPageView.h"

#include <QString>
#include <QStringList>

// What the wizard is told when it opens: what the main window shows at that moment, as plain
// values. The wizard asks again for nothing while it runs, except that the main window hands it a
// new context when a configuration chosen in the wizard has changed the client page.
struct WizardContext {
    QString title;        // the window's title: the caption of the main window's Wizard button
    QStringList configs;  // the configuration files of the game folder, as the main window lists them
    int mouseButtons = 3; // the count of the binder's mouse picture (its setting, or 3)
    ClientPageView client;
};
