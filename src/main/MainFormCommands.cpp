#include "MainForm.h"

#include "AboutForm.h"
#include "AppContext.h"
#include "GeneralErrorHandler.h"
#include "OpenWithShell.h"
#include "QtText.h"
#include "RegisterTableModel.h"
#include "UserPrompts.h"
#include "WaitForm.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeView>

namespace {

// When a command is available.
enum class Availability { NoRegister, Open, OpenWithRows };

struct CommandAvailability {
    const char* objectName;
    Availability availability;
};

// Menu items and toolbar buttons whose availability depends on the register's state; every
// other command is always available.
constexpr CommandAvailability StateDependentCommands[] = {
    {"NewFileButton", Availability::NoRegister},
    {"NewIt", Availability::NoRegister},
    {"OpenFileButton", Availability::NoRegister},
    {"OpenIt", Availability::NoRegister},
    {"ImportFromKalv", Availability::NoRegister},
    {"SaveFileButton", Availability::Open},
    {"SaveIt", Availability::Open},
    {"CloseItButton", Availability::Open},
    {"CloseIt", Availability::Open},
    {"AddRecordButton", Availability::Open},
    {"AddIt", Availability::Open},
    {"DeleteRecordButton", Availability::OpenWithRows},
    {"DelIt", Availability::OpenWithRows},
    {"EditButton", Availability::OpenWithRows},
    {"EditIt", Availability::OpenWithRows},
    {"FileStatisticButton", Availability::OpenWithRows},
    {"StatIt", Availability::OpenWithRows},
    {"SearchButton", Availability::OpenWithRows},
    {"PreViewButton", Availability::OpenWithRows},
    {"PreviewIt", Availability::OpenWithRows},
    {"PrintButton", Availability::OpenWithRows},
    {"PrintIt", Availability::OpenWithRows},
    {"Export_to_XML", Availability::OpenWithRows},
};

} // namespace

void TMainForm::ShowActiveButton() {
    const bool open = ctx_.reg.isOpen();
    const bool hasRows = model_->rowCount() > 0;
    for (const CommandAvailability& command : StateDependentCommands) {
        bool enabled = true;
        switch (command.availability) {
        case Availability::NoRegister:
            enabled = !open;
            break;
        case Availability::Open:
            enabled = open;
            break;
        case Availability::OpenWithRows:
            enabled = open && hasRows;
            break;
        }
        // Menu items and buttons both carry the "enabled" property.
        commandObjects_.value(QString::fromLatin1(command.objectName))
            ->setProperty("enabled", enabled);
    }
}

TMainForm::BusyGuard::BusyGuard(TMainForm& form) : form_(form) {
    if (form_.busyDepth_++ == 0) {
        form_.setCommandsAvailable(false);
    }
}

TMainForm::BusyGuard::~BusyGuard() {
    if (--form_.busyDepth_ == 0) {
        form_.setCommandsAvailable(true);
        form_.ShowActiveButton();
    }
}

void TMainForm::setCommandsAvailable(bool available) {
    menuBar()->setEnabled(available);
    toolBar_->setEnabled(available);
    popupMenu_->setEnabled(available);
    // Sorting by a header click would reorder the table under the running operation.
    treeList_->header()->setSectionsClickable(available);
}

bool TMainForm::runCommand(const std::function<void()>& command) {
    if (isBusy()) {
        return false;
    }
    return runReportingErrors(ctx_.prompts, command);
}

void TMainForm::ShowWait(const QString& caption) {
    waitForm_->ShowWait(caption);
}

void TMainForm::HideWait() {
    waitForm_->HideWait();
}

svidary::ProgressCallback TMainForm::waitProgress() {
    return waitForm_->progressCallback();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The running operation must end first; a failed Close (its save) keeps the window open so
    // that nothing is lost.
    if (isBusy() || !runCommand([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMainForm::CloseButtonClick() {
    close();
}

void TMainForm::AboutItClick() {
    TAboutForm about(this);
    ctx_.prompts.execModal(about);
}

void TMainForm::N2Click() {
    OpenWithShell(ctx_.prompts,
                  QDir(pathToQt(ctx_.filesDir)).filePath(QStringLiteral("Инструкция.doc")));
}

void TMainForm::SchoolItClick() {
    openAttributesDialog();
}

// The window defines no report to print, so printing and its preview do nothing; their buttons
// and menu items stay hidden.
void TMainForm::PreViewButtonClick() {}

void TMainForm::PrintButtonClick() {}
