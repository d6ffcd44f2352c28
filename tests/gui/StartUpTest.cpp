#include "MainFormTestFixture.h"

#include "main/AboutForm.h"
#include "main/WaitForm.h"

#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTreeView>
#include <QtTest/QTest>

#include <algorithm>

using namespace guitest;

namespace {

class StartUpTest : public MainFormTest {};

TEST_F(StartUpTest, AboutWindowComesBeforeTheReferenceDataAndTheMainWindow) {
    bool aboutSeen = false;
    prompts.modalHandlers.push_back([&](QDialog& dialog) {
        aboutSeen = true;
        EXPECT_NE(qobject_cast<TAboutForm*>(&dialog), nullptr);
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(refs.LevelNames.empty()) << "reference data loaded before the About window";
        return static_cast<int>(QDialog::Accepted);
    });

    EXPECT_EQ(form->startUp(), std::nullopt);

    EXPECT_TRUE(aboutSeen);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(refs.LevelNames.empty());
    EXPECT_FALSE(refs.SchoolTable.empty());
    EXPECT_EQ(prompts.texts(QStringLiteral("modal")).front(), QStringLiteral("TAboutForm"));
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    // Start-up leaves the commands of the state without a register.
    EXPECT_TRUE(isEnabled("NewFileButton"));
    EXPECT_FALSE(isEnabled("SaveFileButton"));
    EXPECT_FALSE(isEnabled("SearchButton"));
}

TEST_F(StartUpTest, ProgressWindowExistsHiddenOnceStarted) {
    ASSERT_EQ(form->startUp(), std::nullopt);
    EXPECT_FALSE(form->waitForm().isVisible());
}

// Only levels and types: the classifier is missing.
class MissingReferenceInProcessTest : protected WithReferenceFolder, public MainFormTest {
protected:
    MissingReferenceInProcessTest()
        : WithReferenceFolder({QStringLiteral("levels.xml"), QStringLiteral("types.xml")}),
          MainFormTest(folder.filesPath()) {}
};

TEST_F(MissingReferenceInProcessTest, EndsWithExitCodeZeroBeforeTheWindowAppears) {
    EXPECT_EQ(form->startUp(), std::optional<int>(0));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("Внимание! Отсутствует справочник учебных заведений! "
                                         "Дальнейшая работа невозможна!!")});
}

class ColumnsFileTest : protected WithReferenceFolder, public MainFormTest {
protected:
    ColumnsFileTest() : WithReferenceFolder(RequiredFiles), MainFormTest(folder.filesPath()) {}
};

TEST_F(ColumnsFileTest, ColumnsFileSetsTheVisibleColumns) {
    folder.write(QStringLiteral("VELTColumns.xml"), "[columns]\r\n1111111111111110\r\n");
    ASSERT_EQ(form->startUp(), std::nullopt);
    const QTreeView& view = form->registerView();
    for (int column = 0; column < 15; ++column) {
        EXPECT_FALSE(view.isColumnHidden(column)) << column;
    }
    EXPECT_TRUE(view.isColumnHidden(15));
}

TEST_F(ColumnsFileTest, WithoutColumnsFileAllColumnsAreShown) {
    ASSERT_EQ(form->startUp(), std::nullopt);
    for (int column = 0; column < 16; ++column) {
        EXPECT_FALSE(form->registerView().isColumnHidden(column)) << column;
    }
}

// Every part of the About window closes it when clicked.
class AboutClickTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AboutClickTest, ClickClosesTheAboutWindow) {
    TAboutForm about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QString target = QString::fromLatin1(GetParam());
    QWidget* widget = target.isEmpty() ? &about : about.findChild<QWidget*>(target);
    ASSERT_NE(widget, nullptr) << GetParam();

    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));

    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Parts, AboutClickTest,
                         ::testing::Values("", "Image1", "Label1", "Label4", "Label7", "Button1"));

TEST(AboutFormTest, ShowsCaptionAndVersion) {
    TAboutForm about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе \"Свидарий\""));
    EXPECT_EQ(about.size(), QSize(336, 329));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label7"))->text(),
              QStringLiteral("версия от 01.10.2009"));
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("Button1"))->text(),
              QStringLiteral("OK"));
}

// The real program on a Files/ folder that lacks a required reference file.
struct MissingFileCase {
    const char* name;
    QStringList present;
    QString message;   // %1 stands for the program's folder
    bool wholeMessage; // else a part of it
    int exitCode;
};

class RealProgramStartTest : public ::testing::TestWithParam<MissingFileCase> {};

TEST_P(RealProgramStartTest, ReportsAndEnds) {
    const MissingFileCase& testCase = GetParam();
    ReferenceFolder folder(testCase.present);
    if (QString::fromLatin1(testCase.name) == QStringLiteral("broken_classifier")) {
        folder.write(QStringLiteral("VELTSchools.xml"), "header\r\n100 1 31.02.2000 Name\r\n");
    }
    const QString executable = QDir(folder.root()).filePath(QStringLiteral("svidary"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SVIDARY_EXECUTABLE), executable));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SVIDARY_HEADLESS_PROMPTS"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.root());
    process.start(executable, {});
    ASSERT_TRUE(process.waitForFinished(30000)) << "the program did not end by itself";

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), testCase.exitCode);
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    const qsizetype about = lines.indexOf(QStringLiteral("modal: TAboutForm"));
    ASSERT_GE(about, 0) << process.readAllStandardError().toStdString();
    QString expected = testCase.message;
    expected.replace(QStringLiteral("%1"), QFileInfo(folder.root()).canonicalFilePath());
    const auto message = std::find_if(lines.begin(), lines.end(), [&](const QString& line) {
        return testCase.wholeMessage
                   ? line == QStringLiteral("message: ") + expected
                   : line.startsWith(QStringLiteral("message: ")) && line.contains(expected);
    });
    ASSERT_NE(message, lines.end()) << lines.join('\n').toStdString();
    EXPECT_GT(message - lines.begin(), about) << "the message came before the About window";
    EXPECT_EQ(lines.filter(QStringLiteral("message: ")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceFiles, RealProgramStartTest,
    ::testing::Values(
        MissingFileCase{"no_levels",
                        {QStringLiteral("types.xml"), QStringLiteral("Schools.xml")},
                        QStringLiteral("Отсутствует файл \"%1/Files/VELTlevels.xml \""),
                        true,
                        0},
        MissingFileCase{"no_types",
                        {QStringLiteral("levels.xml"), QStringLiteral("Schools.xml")},
                        QStringLiteral("Отсутствует файл \"%1/Files/VELTtypes.xml \""),
                        true,
                        0},
        MissingFileCase{"no_classifier",
                        {QStringLiteral("levels.xml"), QStringLiteral("types.xml")},
                        QStringLiteral("Внимание! Отсутствует справочник учебных заведений! "
                                       "Дальнейшая работа невозможна!!"),
                        true,
                        0},
        MissingFileCase{"nothing",
                        {},
                        QStringLiteral("Отсутствует файл \"%1/Files/VELTlevels.xml \""),
                        true,
                        0},
        // A classifier that exists but cannot be read ends the start as well, with exit code 1.
        MissingFileCase{"broken_classifier",
                        {QStringLiteral("levels.xml"), QStringLiteral("types.xml")},
                        QStringLiteral("'31.02.2000' is not a valid date"),
                        false,
                        1}),
    [](const ::testing::TestParamInfo<MissingFileCase>& info) { return info.param.name; });

} // namespace
