#include "main/WaitForm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

QString note(const TWaitForm& form) {
    return form.findChild<QLabel*>(QStringLiteral("Label2"))->text();
}

TEST(WaitFormTest, SecondShowWaitChangesTheCaptionAndRestartsTheBar) {
    TWaitForm form;
    form.ShowWait(QStringLiteral("Открытие файла"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.caption(), QStringLiteral("Открытие файла"));
    EXPECT_EQ(note(form), QStringLiteral("Это может занять несколько секунд..."));
    form.progressCallback()(17);
    EXPECT_EQ(form.progress(), 17);

    form.ShowWait(QStringLiteral("Проверка ошибок"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.caption(), QStringLiteral("Проверка ошибок"));
    EXPECT_EQ(form.progress(), 0);
}

TEST(WaitFormTest, HideWaitWhenHiddenChangesNothing) {
    TWaitForm form;
    form.ShowWait(QStringLiteral("Сохранение"));
    form.progressCallback()(5);
    form.HideWait();
    EXPECT_FALSE(form.isVisible());
    form.HideWait();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.caption(), QStringLiteral("Сохранение"));
    EXPECT_EQ(form.progress(), 5);
}

TEST(WaitFormTest, BarRunsFromZeroToTwentyEight) {
    TWaitForm form;
    const QProgressBar* bar = form.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 28);
    EXPECT_EQ(form.size(), QSize(344, 83));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(WaitFormTest, ProgressLetsPendingEventsRun) {
    TWaitForm form;
    form.ShowWait(QStringLiteral("Статистика"));
    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    form.progressCallback()(28);
    EXPECT_TRUE(delivered);
    EXPECT_EQ(form.progress(), 28);
}

} // namespace
