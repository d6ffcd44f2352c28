#pragma once

#include <QString>

class UserPrompts;

// Opens a file with the desktop's default program for its type. A missing file or a missing
// program gives no message: the outcome is ignored.
void OpenWithShell(UserPrompts& prompts, const QString& file);
