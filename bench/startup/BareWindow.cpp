// The floor of the start-up measurement: a Qt program that does nothing but
// show one small window, built and started as the launcher is.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare"));
    window.resize(200, 100);
    window.show();
    return application.exec();
}
