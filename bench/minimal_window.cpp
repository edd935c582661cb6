// The yardstick for start-up time: a Qt Widgets program that opens one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quibbet"));
    window.resize(287, 325);
    window.show();
    return QApplication::exec();
}
