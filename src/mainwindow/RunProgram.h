#pragma once

#include <functional>

class TMainFrm;

/// The program from start to end: the single-instance check, the application object, the
/// data folders and the main window's run. afterShow, when given, runs once the window has
/// been shown (the start-up benchmark uses it). Returns the process's exit status.
int RunProgram(int argc, char *argv[], const std::function<void(TMainFrm &)> &afterShow = {});
