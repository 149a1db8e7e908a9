#pragma once

#include "clean/DeletionEngine.h"
#include "scan/RegistryItem.h"

// Removes a rule's registry key with everything under it, or one value of
// it, in the view of the registry it was found in.
Removal RemoveRegistryItem(const RegistryItem& item);
