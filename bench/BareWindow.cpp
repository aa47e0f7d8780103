// The yardstick for Quarvel's start-up: an empty QMainWindow, started and shown the way the
// program is, and signalling its first show the same way (QVL_STARTUP_PROBE, see src/main.cpp).
// With --text it holds one line of text, and so pays for finding and loading a font as every
// window with words in it does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    if (argc > 1 && QByteArrayView(argv[1]) == "--text") {
        auto* line = new QLabel(QStringLiteral("Counter-Strike 1.6 configuration"), &window);
        line->move(10, 10);
        line->adjustSize();
    }
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
