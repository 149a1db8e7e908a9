#pragma once

#include "app/ProgressDialog.h"
#include "scan/WorkStatus.h"

#include <windows.h>

#include <functional>
#include <string>

// A command's long work, done on a worker thread while this thread keeps the
// windows painting and answering. Run returns only when the work is done,
// so whoever gave the command sees its result when the call returns. While
// the work runs the main window takes no input, as a modal dialog holds its
// owner, and from half a second on the shell's progress dialog shows it;
// Cancel there asks the work to stop after its current item.
namespace BackgroundWork {

struct Look {
    std::string title;  // the command's name
    ProgressDialog::Bar bar;
};

// The work touches only `status`, what it was given and the file system;
// never a window.
void Run(HWND frame, const Look& look, WorkStatus& status, const std::function<void()>& work);

// Whether a command's work is running now: no other command is taken.
bool Running();

// Closing the main window while work runs: the work is asked to stop, and
// the window closes when it has.
void CloseWhenDone();

}  // namespace BackgroundWork
