#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

class CWinApp;

// Whether Delete asks before it removes anything for good: on until the user
// says otherwise, kept per user beside the window placement.
bool AsksBeforeDeleting(const CWinApp& application);
void SetAsksBeforeDeleting(const CWinApp& application, bool asks);

// "Permanently delete 57 items (1.2 GB)?" in the thread's language.
std::string DeleteQuestionText(std::size_t items, std::uint64_t bytes);

// Asks in the system's task dialog, No being the default, whether to delete
// the items for good; true to go ahead. Answered Yes with "Do not ask again"
// ticked, it stops asking. Goes ahead at once when asking is off.
bool ConfirmDeletion(HWND owner, const CWinApp& application, std::size_t items, std::uint64_t bytes);
