#include "ScriptedPrompts.h"

#include <QDialog>

namespace {

template <typename T> T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

void ScriptedPrompts::showMessage(const QString& text) {
    calls.push_back({QStringLiteral("message"), text});
}

bool ScriptedPrompts::askYesNo(const QString& question) {
    calls.push_back({QStringLiteral("question"), question});
    return takeFront(yesNoAnswers, false);
}

QString ScriptedPrompts::inputText(const QString& caption, const QString& prompt,
                                   const QString& defaultText) {
    calls.push_back({QStringLiteral("input"), caption + QStringLiteral(": ") + prompt});
    return takeFront(inputAnswers, defaultText);
}

QString ScriptedPrompts::chooseOpenFile(const QString& title, const QString& filter) {
    calls.push_back({QStringLiteral("openFile"), title + QStringLiteral(" | ") + filter});
    return takeFront(openFileAnswers, QString());
}

QStringList ScriptedPrompts::chooseOpenFiles(const QString& title, const QString& filter) {
    calls.push_back({QStringLiteral("openFiles"), title + QStringLiteral(" | ") + filter});
    return takeFront(openFilesAnswers, QStringList());
}

int ScriptedPrompts::execModal(QDialog& dialog) {
    calls.push_back(
        {QStringLiteral("modal"), QString::fromLatin1(dialog.metaObject()->className())});
    const ModalHandler handler = takeFront(modalHandlers, ModalHandler());
    return handler ? handler(dialog) : QDialog::Rejected;
}

void ScriptedPrompts::openWithDesktop(const QString& path) {
    calls.push_back({QStringLiteral("desktop"), path});
}

QStringList ScriptedPrompts::texts(const QString& kind) const {
    QStringList result;
    for (const Call& call : calls) {
        if (call.kind == kind) {
            result.append(call.text);
        }
    }
    return result;
}
