#include "HeadlessPrompts.h"

#include <QDialog>
#include <QtGlobal>

#include <cstdio>

namespace {

void report(const char* kind, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", kind, text.toUtf8().constData());
    std::fflush(stderr);
}

} // namespace

void HeadlessPrompts::showMessage(const QString& text) {
    report("message", text);
}

bool HeadlessPrompts::askYesNo(const QString& question) {
    report("question", question);
    return false;
}

QString HeadlessPrompts::inputText(const QString& caption, const QString& prompt,
                                   const QString& defaultText) {
    report("input", caption + QStringLiteral(": ") + prompt);
    return defaultText;
}

QString HeadlessPrompts::chooseOpenFile(const QString& title, const QString&) {
    report("open file", title);
    return {};
}

QStringList HeadlessPrompts::chooseOpenFiles(const QString& title, const QString&) {
    report("open files", title);
    return {};
}

int HeadlessPrompts::execModal(QDialog& dialog) {
    report("modal", QString::fromLatin1(dialog.metaObject()->className()));
    return QDialog::Rejected;
}

void HeadlessPrompts::openWithDesktop(const QString& path) {
    report("desktop", path);
}

bool headlessPromptsRequested() {
    return qEnvironmentVariable("SVIDARY_HEADLESS_PROMPTS") == QStringLiteral("1");
}
