#pragma once

#include "UserPrompts.h"

// A user who never answers: every message, question and dialog is written to standard error in
// UTF-8, one line each, and gets the cautious answer (No, the default text, cancel, Rejected).
// main() uses it when the environment variable SVIDARY_HEADLESS_PROMPTS is "1"; this is a hook for
// tests and automation that run the real program where a message box would wait for ever.
class HeadlessPrompts : public UserPrompts {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& question) override;
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QStringList chooseOpenFiles(const QString& title, const QString& filter) override;
    int execModal(QDialog& dialog) override;
    void openWithDesktop(const QString& path) override;
};

// True when SVIDARY_HEADLESS_PROMPTS=1 asks for HeadlessPrompts.
bool headlessPromptsRequested();
