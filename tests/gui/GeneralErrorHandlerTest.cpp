#include "MainFormTestFixture.h"

#include "core/Errors.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

#include <functional>
#include <stdexcept>

using namespace guitest;

namespace {

struct ErrorCase {
    const char* name;
    std::function<void()> command;
    QString shown;
};

class GeneralErrorHandlerTest : public MainFormTest,
                                public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(GeneralErrorHandlerTest, ShowsTheErrorAndTheProgramGoesOn) {
    ASSERT_EQ(form->startUp(), std::nullopt);
    prompts.clear();

    EXPECT_FALSE(form->runCommand(GetParam().command));
    EXPECT_EQ(prompts.messages(), QStringList{GetParam().shown});

    // The window is still there and the next command runs.
    EXPECT_TRUE(form->isVisible());
    bool ran = false;
    EXPECT_TRUE(form->runCommand([&] { ran = true; }));
    EXPECT_TRUE(ran);
    form->findChild<QAction*>(QStringLiteral("AboutIt"))->trigger();
    EXPECT_EQ(prompts.texts(QStringLiteral("modal")), QStringList{QStringLiteral("TAboutForm")});
    EXPECT_EQ(prompts.messages().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, GeneralErrorHandlerTest,
    ::testing::Values(
        ErrorCase{"io", [] { throw svidary::IoError("Не удалось записать файл \"a.diplom\""); },
                  QStringLiteral("Не удалось записать файл \"a.diplom\"")},
        ErrorCase{"conversion",
                  [] { throw svidary::ConversionError("'12a' is not a valid integer value"); },
                  QStringLiteral("'12a' is not a valid integer value")},
        ErrorCase{"standard", [] { throw std::out_of_range("vector::at"); },
                  QStringLiteral("vector::at")},
        ErrorCase{"unknown", [] { throw 42; }, QStringLiteral("Неизвестная ошибка.")}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

using BusyGuardTest = MainFormTest;

TEST_F(BusyGuardTest, LongOperationMakesEveryCommandUnavailable) {
    ASSERT_EQ(form->startUp(), std::nullopt);
    openRegister("/data/spring.diplom", {recordLine("Петров", "Иванович")});
    {
        TMainForm::BusyGuard busy(*form);
        { TMainForm::BusyGuard nested(*form); }
        EXPECT_TRUE(form->isBusy()) << "the inner guard ended the outer one";
        EXPECT_FALSE(form->menuBar()->isEnabled());
        EXPECT_FALSE(form->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isEnabled());
        bool ran = false;
        EXPECT_FALSE(form->runCommand([&] { ran = true; }));
        EXPECT_FALSE(ran);
        EXPECT_FALSE(form->close()) << "the window closed under a running operation";
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_FALSE(form->isBusy());
    EXPECT_TRUE(form->menuBar()->isEnabled());
    EXPECT_TRUE(form->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isEnabled());
    // The states come back from the register, not from before the operation.
    EXPECT_TRUE(isEnabled("DeleteRecordButton"));
    EXPECT_FALSE(isEnabled("NewFileButton"));
    EXPECT_TRUE(form->close());
}

} // namespace
