// The yardstick of bench/startup.sh: a plain Qt Widgets window of a given size, shown from main.
//   BareWindow WIDTH HEIGHT

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare window");
    if (argc >= 3)
        window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    return application.exec();
}
