#include "ReadyWhenIdle.h"
#include "mainwindow/RunProgram.h"
#include "mainwindow/TMainFrm.h"

int main(int argc, char *argv[])
{
    return RunProgram(argc, argv, [](TMainFrm &window) { ReadyWhenIdle(window); });
}
