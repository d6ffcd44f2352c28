#include "QtUserPrompts.h"

#include "ApplicationTitle.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

// As the file dialogs of Windows do, a chosen file makes its folder the working folder, where
// the reports are written.
void enterFolderOf(const QString& file) {
    if (!file.isEmpty()) {
        QDir::setCurrent(QFileInfo(file).absolutePath());
    }
}

} // namespace

void QtUserPrompts::showMessage(const QString& text) {
    QMessageBox::information(owner_, ApplicationTitle, text);
}

bool QtUserPrompts::askYesNo(const QString& question) {
    return QMessageBox::question(owner_, QStringLiteral("Confirm"), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtUserPrompts::inputText(const QString& caption, const QString& prompt,
                                 const QString& defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner_, caption, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : defaultText;
}

QString QtUserPrompts::chooseOpenFile(const QString& title, const QString& filter) {
    const QString file = QFileDialog::getOpenFileName(owner_, title, QDir::currentPath(), filter);
    enterFolderOf(file);
    return file;
}

QStringList QtUserPrompts::chooseOpenFiles(const QString& title, const QString& filter) {
    const QStringList files =
        QFileDialog::getOpenFileNames(owner_, title, QDir::currentPath(), filter);
    if (!files.isEmpty()) {
        enterFolderOf(files.front());
    }
    return files;
}

int QtUserPrompts::execModal(QDialog& dialog) {
    return dialog.exec();
}

void QtUserPrompts::openWithDesktop(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
