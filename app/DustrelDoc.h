#pragma once

#include "framework/Document.h"

// Dustrel keeps no data: its document only passes commands on.
class CDustrelDoc : public CDocument {
public:
    bool OnNewDocument() override { return CDocument::OnNewDocument(); }
};
