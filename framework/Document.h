#pragma once

#include "framework/CmdTarget.h"

// The data behind the views. Dustrel's is empty; the class exists so that
// commands pass through it on their way from the view to the frame.
class CDocument : public CCmdTarget {
public:
    virtual bool OnNewDocument() { return true; }
};
