#pragma once

#include "main/UserPrompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// The user, played by a test: every question is recorded and answered from a queue, so no test
// ever waits on a modal window. An empty queue gives the cautious answer (No, cancel, reject).
class ScriptedPrompts : public UserPrompts {
public:
    // What the program asked, in order, e.g. "message: Файл создан" or "modal: TAboutForm".
    struct Call {
        QString kind; // message, question, input, openFile, openFiles, modal, desktop
        QString text;
    };

    // Runs when a dialog is shown modally; may fill its controls and gives its result.
    using ModalHandler = std::function<int(QDialog&)>;

    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    std::deque<QString> openFileAnswers;
    std::deque<QStringList> openFilesAnswers;
    std::deque<ModalHandler> modalHandlers;

    std::vector<Call> calls;

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& question) override;
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QStringList chooseOpenFiles(const QString& title, const QString& filter) override;
    int execModal(QDialog& dialog) override;
    void openWithDesktop(const QString& path) override;

    // The texts of the calls of one kind, in order.
    QStringList texts(const QString& kind) const;
    QStringList messages() const { return texts(QStringLiteral("message")); }
    void clear() { calls.clear(); }
};
