// The yardstick for Quarvel's start-up: an empty QMainWindow, started and shown the way the
// program is, and signalling its first show the same way (QVL_STARTUP_PROBE, see src/main.cpp).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    if (qEnvironmentVariableIsSet("QVL_STARTUP_PROBE")) {
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
