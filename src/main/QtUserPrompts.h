#pragma once

#include "UserPrompts.h"

class QWidget;

// The seam as the user sees it: Qt message boxes, input box, file dialogs and the desktop.
class QtUserPrompts : public UserPrompts {
public:
    // Dialogs are centred over the owner once one is set (the main window).
    void setOwner(QWidget* owner) { owner_ = owner; }

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& question) override;
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QStringList chooseOpenFiles(const QString& title, const QString& filter) override;
    int execModal(QDialog& dialog) override;
    void openWithDesktop(const QString& path) override;

private:
    QWidget* owner_ = nullptr;
};
