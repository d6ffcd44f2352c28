#include "MainForm.h"

#include "AppContext.h"
#include "ApplicationTitle.h"
#include "QtText.h"
#include "RegisterTableModel.h"
#include "UserPrompts.h"
#include "core/Record.h"
#include "core/RegisterOpen.h"
#include "core/RegisterSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The progress window for as long as the command runs, also when it ends with an error.
class WaitWindow {
public:
    WaitWindow(TMainForm& form, const QString& caption) : form_(form) { form_.ShowWait(caption); }
    ~WaitWindow() { form_.HideWait(); }
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;

private:
    TMainForm& form_;
};

const QString SavingCaption = QStringLiteral("Выполняется сохранение файла");

QString saveStageCaption(svidary::SaveStage stage) {
    switch (stage) {
    case svidary::SaveStage::ErrorCheck:
        return QStringLiteral("Поиск и исправление ошибок...");
    case svidary::SaveStage::Redraw:
        return QStringLiteral("Перерисовка...");
    case svidary::SaveStage::Writing:
        break;
    }
    return SavingCaption;
}

} // namespace

QString TMainForm::newRegisterFolder() const {
    return newRegisterFolder_.isEmpty() ? QCoreApplication::applicationDirPath()
                                        : newRegisterFolder_;
}

void TMainForm::setNewRegisterFolder(const QString& folder) {
    newRegisterFolder_ = folder;
}

void TMainForm::NewFileButtonClick() {
    const QString name = ctx_.prompts.inputText(QStringLiteral("Создать файл"),
                                                QStringLiteral("Имя нового файла"), QString());
    if (name.isEmpty()) {
        ctx_.prompts.showMessage(QStringLiteral("Не указано имя файла..."));
        return;
    }
    // The name is taken as typed: no trimming, no check of its characters.
    const QString target =
        newRegisterFolder() + QDir::separator() + name + QStringLiteral(".diplom");
    if (QFileInfo::exists(target)) {
        ctx_.prompts.showMessage(QStringLiteral("Такой файл уже существует..."));
        return;
    }
    svidary::NewRegister(ctx_.reg, pathFromQt(target));
    DrawDiplomsList_dotDiplot();
    // The title shows the name as typed, even when it holds a folder or a dot.
    setWindowTitle(ApplicationTitle + QStringLiteral(" - \"%1\"").arg(name));
    ShowActiveButton();
    ctx_.prompts.showMessage(
        QStringLiteral("Файл \"%1\" создан").arg(pathToQt(ctx_.reg.CurrentFileName)));
}

void TMainForm::OpenFileButtonClick() {
    const QString file = ctx_.prompts.chooseOpenFile(
        QStringLiteral("Открыть файл"), QStringLiteral("Свидарий (*.diplom);;Файлы XML (*.xml)"));
    if (file.isEmpty()) {
        return;
    }
    {
        BusyGuard busy(*this);
        WaitWindow wait(*this, QStringLiteral("Выполняется открытие файла"));
        svidary::RedrawResult opened;
        try {
            opened = svidary::OpenRegister(ctx_.reg, ctx_.refs, pathFromQt(file), waitProgress());
        } catch (...) {
            // The core leaves no register open; the window shows that state before the error
            // reaches the general handler.
            showRegisterRows();
            updateWindowTitle();
            throw;
        }
        updateWindowTitle();
        showRedrawnRegister(opened.duplicateLines);
    }
    ShowActiveButton();
}

void TMainForm::SaveFileButtonClick() {
    svidary::SaveResult saved;
    {
        BusyGuard busy(*this);
        WaitWindow wait(*this, SavingCaption);
        svidary::SaveObserver observer;
        observer.stageStarted = [this](svidary::SaveStage stage) {
            ShowWait(saveStageCaption(stage));
        };
        observer.progress = waitProgress();
        saved =
            svidary::SaveRegister(ctx_.reg, ctx_.refs, pathFromQt(QDir::currentPath()), observer);
    }
    showRegisterRows();
    showDuplicateReport(saved.report == svidary::ReportOutcome::Kept, pathToQt(saved.reportFile));
    ctx_.prompts.showMessage(QStringLiteral("Файл \"%1\" сохранен").arg(pathToQt(saved.savedFile)));
}

void TMainForm::CloseItButtonClick() {
    if (ctx_.reg.DocModified) {
        const QString baseName =
            toQt(svidary::FileBaseName(fromQt(pathToQt(ctx_.reg.CurrentFileName))));
        // A save that fails stops the close here, so that the register is not lost.
        if (ctx_.prompts.askYesNo(
                QStringLiteral("Сохранить файл \"%1\" перед закрытием?").arg(baseName))) {
            SaveFileButtonClick();
        }
    }
    svidary::CloseRegister(ctx_.reg);
    updateWindowTitle();
    setStatusPanelText(0, QString());
    model_->reset();
    ShowActiveButton();
}
