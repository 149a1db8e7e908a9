#pragma once

#include "scan/WorkStatus.h"

#include <functional>

// Runs work and, when standard error is a console, shows on one line of it
// how far the work is and the item it is on. Redirected, nothing is shown
// and the work simply runs.
void RunShowingProgress(WorkStatus& status, const std::function<void()>& work);
