#include "core/LargeBlocks.h"
#include "main/AppContext.h"
#include "main/ApplicationTitle.h"
#include "main/HeadlessPrompts.h"
#include "main/MainForm.h"
#include "main/QtText.h"
#include "main/QtUserPrompts.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    svidary::ReturnLargeBlocksWhenFreed();
    QApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);

    svidary::ReferenceData references;
    svidary::RegisterState registerState;
    QtUserPrompts qtPrompts;
    // SVIDARY_HEADLESS_PROMPTS=1: a hook for tests and automation. Messages go to standard error
    // and every question gets the cautious answer, so the real program can run where nobody
    // answers a message box.
    HeadlessPrompts headlessPrompts;
    UserPrompts& prompts =
        headlessPromptsRequested() ? static_cast<UserPrompts&>(headlessPrompts) : qtPrompts;

    const QString filesDir = QDir(QCoreApplication::applicationDirPath()).filePath("Files");
    AppContext context{references, registerState, prompts, pathFromQt(filesDir)};

    TMainForm mainForm(context);
    if (const std::optional<int> exitCode = mainForm.startUp()) {
        return *exitCode;
    }
    qtPrompts.setOwner(&mainForm);
    return QApplication::exec();
}
