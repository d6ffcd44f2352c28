#include "MainFormTestFixture.h"

#include <QLabel>
#include <QStatusBar>

using namespace guitest;

namespace {

enum class RegisterKind { None, OpenWithoutRows, OpenWithRows };

struct CommandCase {
    const char* objectName;
    bool noRegister;
    bool openWithoutRows;
    bool openWithRows;
};

// Which command is available in which state of the register.
const CommandCase CommandTable[] = {
    {"NewFileButton", true, false, false},
    {"NewIt", true, false, false},
    {"OpenFileButton", true, false, false},
    {"OpenIt", true, false, false},
    {"ImportFromKalv", true, false, false},
    {"SaveFileButton", false, true, true},
    {"SaveIt", false, true, true},
    {"CloseItButton", false, true, true},
    {"CloseIt", false, true, true},
    {"AddRecordButton", false, true, true},
    {"AddIt", false, true, true},
    {"DeleteRecordButton", false, false, true},
    {"DelIt", false, false, true},
    {"EditButton", false, false, true},
    {"EditIt", false, false, true},
    {"FileStatisticButton", false, false, true},
    {"StatIt", false, false, true},
    {"SearchButton", false, false, true},
    {"PreViewButton", false, false, true},
    {"PreviewIt", false, false, true},
    {"PrintButton", false, false, true},
    {"PrintIt", false, false, true},
    {"Export_to_XML", false, false, true},
    // Always available.
    {"SchoolIt", true, true, true},
    {"N3", true, true, true},
    {"ContactFilesButton", true, true, true},
    {"ContactIt", true, true, true},
    {"ExitIt", true, true, true},
    {"CloseButton", true, true, true},
    {"AboutIt", true, true, true},
    {"N2", true, true, true},
    {"ColumnViewOptions", true, true, true},
    {"Edit1", true, true, true},
};

class CommandStatesTest : public MainFormTest, public ::testing::WithParamInterface<RegisterKind> {
protected:
    void enterState(RegisterKind kind) {
        switch (kind) {
        case RegisterKind::None:
            closeRegister();
            break;
        case RegisterKind::OpenWithoutRows:
            openRegister("/data/spring.diplom", {});
            break;
        case RegisterKind::OpenWithRows:
            openRegister("/data/spring.diplom", {recordLine("Петров", "Иванович")});
            break;
        }
    }

    static bool expected(const CommandCase& command, RegisterKind kind) {
        switch (kind) {
        case RegisterKind::None:
            return command.noRegister;
        case RegisterKind::OpenWithoutRows:
            return command.openWithoutRows;
        case RegisterKind::OpenWithRows:
            return command.openWithRows;
        }
        return false;
    }
};

TEST_P(CommandStatesTest, CommandsFollowTheStateTable) {
    // Come from each of the other states, so that every change of a state is undone.
    for (RegisterKind before :
         {RegisterKind::None, RegisterKind::OpenWithoutRows, RegisterKind::OpenWithRows}) {
        enterState(before);
        enterState(GetParam());
        for (const CommandCase& command : CommandTable) {
            EXPECT_EQ(isEnabled(command.objectName), expected(command, GetParam()))
                << command.objectName << " after state " << static_cast<int>(before);
        }
    }
}

std::string stateName(const ::testing::TestParamInfo<RegisterKind>& info) {
    switch (info.param) {
    case RegisterKind::None:
        return "NoRegister";
    case RegisterKind::OpenWithoutRows:
        return "OpenWithoutRows";
    case RegisterKind::OpenWithRows:
        return "OpenWithRows";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(States, CommandStatesTest,
                         ::testing::Values(RegisterKind::None, RegisterKind::OpenWithoutRows,
                                           RegisterKind::OpenWithRows),
                         stateName);

using WindowStateTest = MainFormTest;

TEST_F(WindowStateTest, RowsAreCountedInTheTableNotInDocList) {
    openRegister("/data/spring.diplom", {});
    reg.DocList.push_back(recordLine("Петров", "Иванович")); // the table has not seen it yet
    form->ShowActiveButton();
    EXPECT_FALSE(isEnabled("DeleteRecordButton"));
    form->registerModel().reset();
    form->ShowActiveButton();
    EXPECT_TRUE(isEnabled("DeleteRecordButton"));
}

TEST_F(WindowStateTest, TitleNamesTheOpenRegister) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    openRegister("/data/весна.old.diplom", {});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"весна\""));
    closeRegister();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
}

TEST_F(WindowStateTest, StatusBarHasTwoPanels) {
    form->show();
    const QStatusBar* bar = form->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    const QList<QLabel*> panels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels[0]->width(), 150);
    EXPECT_GT(panels[1]->geometry().right(), bar->width() - 40) << "reaches the right edge";

    EXPECT_EQ(form->statusPanelText(0), QString());
    EXPECT_EQ(form->statusPanelText(1), QString());
    form->setStatusPanelText(0, QStringLiteral("Записей: 3"));
    form->setStatusPanelText(1, QStringLiteral("Выбрана запись 2"));
    EXPECT_EQ(panels[0]->text(), QStringLiteral("Записей: 3"));
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Выбрана запись 2"));
}

} // namespace
