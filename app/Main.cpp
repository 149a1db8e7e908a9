#include "app/DustrelApp.h"

// The one application object; the framework's entry point starts it.
CDustrelApp theApp;
