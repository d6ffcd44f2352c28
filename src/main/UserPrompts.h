#pragma once

#include <QString>
#include <QStringList>

class QDialog;

// The one seam through which windows ask the user or talk to the desktop. The program uses the
// Qt implementation; tests install a scripted one, so no test ever waits on a modal window.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A plain message box with the application title as caption.
    virtual void showMessage(const QString& text) = 0;

    // A confirmation box (question icon, Yes and No, caption "Confirm"); true for Yes.
    virtual bool askYesNo(const QString& question) = 0;

    // An input box; gives defaultText when cancelled.
    virtual QString inputText(const QString& caption, const QString& prompt,
                              const QString& defaultText) = 0;

    // An open dialog for one file; empty when cancelled.
    virtual QString chooseOpenFile(const QString& title, const QString& filter) = 0;

    // An open dialog for several files; empty when cancelled.
    virtual QStringList chooseOpenFiles(const QString& title, const QString& filter) = 0;

    // Shows the dialog modally and gives its result (QDialog::Accepted, Rejected or another
    // code the dialog chose).
    virtual int execModal(QDialog& dialog) = 0;

    // Opens a local file with the desktop's default program; the outcome is ignored.
    virtual void openWithDesktop(const QString& path) = 0;
};
