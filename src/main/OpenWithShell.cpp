#include "OpenWithShell.h"

#include "UserPrompts.h"

void OpenWithShell(UserPrompts& prompts, const QString& file) {
    prompts.openWithDesktop(file);
}
