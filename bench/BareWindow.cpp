// The yardsticks of bench/startup.sh: a plain Qt Widgets window of a given size, shown from main,
// and the same window with one line of text, which costs what any first text costs (the font
// database and a font).
//   BareWindow WIDTH HEIGHT [TEXT]

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    if (argc >= 3)
        window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (argc >= 4) {
        auto *label = new QLabel(QString::fromLocal8Bit(argv[3]), &window);
        label->move(10, 10);
        label->adjustSize();
    }
    window.show();
    return application.exec();
}
