#include "ReadyWhenIdle.h"

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit);
    window.resize(740, 730);
    window.show();
    ReadyWhenIdle(window);
    return QApplication::exec();
}
