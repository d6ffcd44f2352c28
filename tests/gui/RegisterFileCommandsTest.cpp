#include "RegisterWindowFixture.h"

#include "core/DuplicateReport.h"

#include <QFileInfo>
#include <QTimer>

using namespace guitest;

namespace {

using RegisterFileCommandsTest = RegisterWindowTest;

struct RefusedNewCase {
    const char* name;
    QString answer;
    bool fileExists;
    QString message;
};

class NewRefusedTest : public RegisterWindowTest,
                       public ::testing::WithParamInterface<RefusedNewCase> {};

TEST_P(NewRefusedTest, SaysWhyAndOpensNothing) {
    const RefusedNewCase& refused = GetParam();
    if (refused.fileExists) {
        writeFile(QStringLiteral("весна.diplom"), "keep");
    }
    prompts.inputAnswers.push_back(refused.answer);
    EXPECT_TRUE(form->runCommand([this] { form->NewFileButtonClick(); }));

    EXPECT_EQ(prompts.texts(QStringLiteral("input")),
              QStringList{QStringLiteral("Создать файл: Имя нового файла")});
    EXPECT_EQ(prompts.messages(), QStringList{refused.message});
    EXPECT_FALSE(reg.isOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    EXPECT_TRUE(isEnabled("NewFileButton"));
    if (refused.fileExists) {
        EXPECT_EQ(readFile(QStringLiteral("весна.diplom")), QByteArray("keep"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NewRefusedTest,
    ::testing::Values(
        // An input box that is cancelled gives its empty default.
        RefusedNewCase{"empty", QString(), false, QStringLiteral("Не указано имя файла...")},
        RefusedNewCase{"existing", QStringLiteral("весна"), true,
                       QStringLiteral("Такой файл уже существует...")}),
    [](const ::testing::TestParamInfo<RefusedNewCase>& info) { return info.param.name; });

TEST_F(RegisterFileCommandsTest, NewCreatesAnEmptyFileAndOpensIt) {
    form->setStatusPanelText(0, QStringLiteral("Записей: 9"));
    prompts.inputAnswers.push_back(QStringLiteral("весна 2009"));
    EXPECT_TRUE(form->runCommand([this] { form->NewFileButtonClick(); }));

    const QString path = scratchPath(QStringLiteral("весна 2009.diplom"));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Файл \"%1\" создан").arg(path)});
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(pathToQt(reg.CurrentFileName), path);
    EXPECT_FALSE(reg.DocModified);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"весна 2009\""));
    EXPECT_EQ(form->statusPanelText(0), QString());
    EXPECT_EQ(table().model()->rowCount(), 0);
    // Open without rows: the file commands and Add, nothing that needs a row.
    EXPECT_FALSE(isEnabled("NewFileButton"));
    EXPECT_FALSE(isEnabled("OpenIt"));
    EXPECT_TRUE(isEnabled("SaveFileButton"));
    EXPECT_TRUE(isEnabled("CloseIt"));
    EXPECT_TRUE(isEnabled("AddRecordButton"));
    EXPECT_FALSE(isEnabled("EditButton"));
    EXPECT_FALSE(isEnabled("SearchButton"));
    // An empty register writes no duplicate report.
    EXPECT_FALSE(QFileInfo::exists(scratchPath(QStringLiteral("Error.txt"))));
}

TEST_F(RegisterFileCommandsTest, NewTitleShowsTheNameAsTyped) {
    ASSERT_TRUE(QDir(scratchPath(QString())).mkdir(QStringLiteral("2009")));
    prompts.inputAnswers.push_back(QStringLiteral("2009/весна.v2"));
    EXPECT_TRUE(form->runCommand([this] { form->NewFileButtonClick(); }));
    EXPECT_TRUE(QFileInfo::exists(scratchPath(QStringLiteral("2009/весна.v2.diplom"))));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"2009/весна.v2\""));
}

TEST_F(RegisterFileCommandsTest, NewThatCannotCreateItsFileOpensNothing) {
    prompts.inputAnswers.push_back(QStringLiteral("нет такой папки/весна"));
    EXPECT_FALSE(form->runCommand([this] { form->NewFileButtonClick(); }));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_FALSE(reg.isOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    EXPECT_TRUE(isEnabled("NewFileButton"));
}

TEST_F(RegisterFileCommandsTest, OpenShowsTheRegisterWithNamesInPlaceOfCodes) {
    const QString path = writeRegister(QStringLiteral("spring.diplom"), SmallRegister);
    EXPECT_TRUE(openThroughCommand(path));

    EXPECT_EQ(prompts.texts(QStringLiteral("openFile")),
              QStringList{QStringLiteral("Открыть файл | Свидарий (*.diplom);;Файлы XML (*.xml)")});
    EXPECT_EQ(prompts.messages(), QStringList());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"spring\""));
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("Записей: 4"));
    EXPECT_FALSE(reg.DocModified);
    EXPECT_TRUE(isEnabled("SearchButton"));
    EXPECT_FALSE(isEnabled("OpenFileButton"));
    EXPECT_FALSE(form->waitForm().isVisible());

    // Sorted by patronymic from the start.
    EXPECT_EQ(column(5), (QStringList{"Викторович", "Дмитриевич", "Олегович", "Юрьевич"}));
    EXPECT_EQ(column(3), (QStringList{"Сиваков", "Иванов", "Козлов", "Петров"}));
    EXPECT_EQ(column(1), (QStringList{"Профессионально-техническое", "Высшее", "Послевузовское",
                                      "Среднее специальное"}));
    EXPECT_EQ(column(2), (QStringList{"Свидетельство", "Диплом с отличием",
                                      "Диплом о переподготовке", "Диплом"}));
    EXPECT_EQ(column(11),
              (QStringList{"Не установлен", "Не установлен", "4010190B002PB3", "3120589A001PB1"}));
    // Иванов's school of 2003 bore the name that code 101 stands for; DocList says so too.
    EXPECT_EQ(cell(1, 15), QStringLiteral("Заречный государственный технологический техникум"));
    EXPECT_EQ(cell(0, 15), QStringLiteral("Учреждение образования \"Приречный колледж связи\""));
    EXPECT_EQ(svidary::SplitRecord(reg.DocList[1])[svidary::School], "101");
    EXPECT_EQ(cell(3, 8), QStringLiteral("30.06.2009"));
    // Rows refer to their records.
    EXPECT_EQ(form->registerModel().recordAt(0), 2u);
    // No duplicates: the report was made and removed again.
    EXPECT_FALSE(QFileInfo::exists(scratchPath(QStringLiteral("Error.txt"))));
    EXPECT_EQ(prompts.texts(QStringLiteral("desktop")), QStringList());
}

TEST_F(RegisterFileCommandsTest, OpenOfAnEmptyFileLeavesAnExistingReportAlone) {
    writeFile(QStringLiteral("Error.txt"), "old report");
    writeFile(QStringLiteral("empty.diplom"), QByteArray());
    form->setStatusPanelText(0, QStringLiteral("Записей: 9"));
    EXPECT_TRUE(openThroughCommand(scratchPath(QStringLiteral("empty.diplom"))));
    EXPECT_TRUE(reg.isOpen());
    EXPECT_EQ(table().model()->rowCount(), 0);
    EXPECT_EQ(form->statusPanelText(0), QString());
    EXPECT_TRUE(isEnabled("AddIt"));
    EXPECT_FALSE(isEnabled("DelIt"));
    EXPECT_EQ(readFile(QStringLiteral("Error.txt")), QByteArray("old report"));
}

TEST_F(RegisterFileCommandsTest, OpenOfAnyOtherExtensionGivesAnEmptyRegister) {
    // Reading exchange files comes later; until then they open empty like any unknown file.
    for (const QString& name : {QStringLiteral("b.xml"), QStringLiteral("c.txt")}) {
        const QString path = writeRegister(name, SmallRegister);
        EXPECT_TRUE(openThroughCommand(path));
        EXPECT_EQ(pathToQt(reg.CurrentFileName), path);
        EXPECT_EQ(table().model()->rowCount(), 0);
        EXPECT_TRUE(form->runCommand([this] { form->CloseItButtonClick(); }));
    }
    // Letter case of ".diplom" does not matter.
    EXPECT_TRUE(openThroughCommand(writeRegister(QStringLiteral("A.DIPLOM"), SmallRegister)));
    EXPECT_EQ(table().model()->rowCount(), 4);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"A\""));
}

TEST_F(RegisterFileCommandsTest, OpenCancelledOpensNothing) {
    EXPECT_TRUE(form->runCommand([this] { form->OpenFileButtonClick(); }));
    EXPECT_FALSE(reg.isOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    EXPECT_TRUE(isEnabled("OpenFileButton"));
}

TEST_F(RegisterFileCommandsTest, OpenThatFailsLeavesNoRegisterHalfOpened) {
    std::vector<std::string> lines = {recordLine(SmallRegister[0]), recordLine(SmallRegister[1])};
    svidary::RecordFields broken = svidary::SplitRecord(lines[1]);
    broken[svidary::Level] = "2x";
    lines[1] = svidary::JoinRecord(broken);
    EXPECT_FALSE(openThroughCommand(writeRegister(QStringLiteral("broken.diplom"), lines)));

    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("'2x' is not a valid integer value")))
        << prompts.messages()[0].toStdString();
    EXPECT_FALSE(reg.isOpen());
    EXPECT_TRUE(reg.DocList.empty());
    EXPECT_EQ(table().model()->rowCount(), 0);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    EXPECT_TRUE(isEnabled("OpenFileButton"));
    EXPECT_FALSE(isEnabled("SaveFileButton"));
    EXPECT_FALSE(form->isBusy());
    EXPECT_FALSE(form->waitForm().isVisible());
}

TEST_F(RegisterFileCommandsTest, WhileOpenRunsTheOtherCommandsWaitAndTheProgressWindowShows) {
    const QString path = writeRegister(QStringLiteral("spring.diplom"), SmallRegister);
    bool busy = false;
    QString caption;
    bool searchAvailable = true;
    QTimer::singleShot(0, form.get(), [&] {
        busy = form->isBusy();
        caption = form->waitForm().isVisible() ? form->waitForm().caption() : QString();
        searchAvailable = form->runCommand([] {});
    });
    EXPECT_TRUE(openThroughCommand(path));
    EXPECT_TRUE(busy);
    EXPECT_EQ(caption, QStringLiteral("Выполняется открытие файла"));
    EXPECT_FALSE(searchAvailable);
    EXPECT_FALSE(form->isBusy());
    EXPECT_TRUE(isEnabled("SaveIt"));
}

TEST_F(RegisterFileCommandsTest, DuplicatesOpenTheReportThroughTheDesktop) {
    TestRecord twin = SmallRegister[0];
    twin.regNum = "5";
    twin.surname = "Петрова";
    std::vector<TestRecord> records = SmallRegister;
    records.push_back(twin);
    EXPECT_TRUE(openThroughCommand(writeRegister(QStringLiteral("twins.diplom"), records)));

    const QString report = scratchPath(QStringLiteral("Error.txt"));
    EXPECT_EQ(prompts.texts(QStringLiteral("desktop")), QStringList{report});
    const QByteArray expected = QByteArray::fromStdString(
        svidary::DuplicateReportHeader() + "\r\n" +
        svidary::utf8ToCp1251("Диплом, серия: АБ, номер: 0012345") + "\r\n");
    EXPECT_EQ(readFile(QStringLiteral("Error.txt")), expected);

    // Every save redraws the table, so the report opens again.
    EXPECT_TRUE(form->runCommand([this] { form->SaveFileButtonClick(); }));
    EXPECT_EQ(prompts.texts(QStringLiteral("desktop")), (QStringList{report, report}));
}

TEST_F(RegisterFileCommandsTest, SaveKeepsTheFirstBackupAndWritesTheCleanedRecords) {
    TestRecord spaced = SmallRegister[0];
    spaced.surname = "  Петров ";
    const QString path = writeRegister(QStringLiteral("spring.diplom"), {spaced, SmallRegister[1]});
    const QByteArray original = readFile(QStringLiteral("spring.diplom"));
    ASSERT_TRUE(openThroughCommand(path));

    std::vector<QString> captions;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const QString caption =
            form->waitForm().isVisible() ? form->waitForm().caption() : QString();
        if (!caption.isEmpty() && (captions.empty() || captions.back() != caption)) {
            captions.push_back(caption);
        }
    });
    watcher.start(0);
    EXPECT_TRUE(form->runCommand([this] { form->SaveFileButtonClick(); }));
    watcher.stop();

    EXPECT_EQ(captions,
              (std::vector<QString>{"Выполняется сохранение файла", "Поиск и исправление ошибок...",
                                    "Перерисовка...", "Выполняется сохранение файла"}));
    EXPECT_FALSE(form->waitForm().isVisible());
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Файл \"%1\" сохранен").arg(path)});
    EXPECT_EQ(readFile(QStringLiteral("spring.diplom.temp")), original);
    const QStringList saved =
        toQt(readFile(QStringLiteral("spring.diplom")).toStdString()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(saved.size(), 4);
    EXPECT_EQ(saved[0], QStringLiteral("<Список выданных документов>"));
    EXPECT_TRUE(saved[1].contains(QStringLiteral("\x0FПетров\x0F"))) << saved[1].toStdString();
    // The corrected school code is written.
    EXPECT_TRUE(saved[2].endsWith(QStringLiteral("\x0F") + QStringLiteral("101")));
    EXPECT_EQ(cell(1, 3), QStringLiteral("Петров"));
    EXPECT_FALSE(reg.DocModified);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"spring\""));

    // A second save leaves the first backup as it was.
    reg.DocList.push_back(recordLine(SmallRegister[2]));
    reg.DocModified = true;
    EXPECT_TRUE(form->runCommand([this] { form->SaveFileButtonClick(); }));
    EXPECT_EQ(readFile(QStringLiteral("spring.diplom.temp")), original);
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("Записей: 3"));
    EXPECT_EQ(table().model()->rowCount(), 3);
}

TEST_F(RegisterFileCommandsTest, SaveThatFailsKeepsTheFileAndTheRegister) {
    const QString path = writeRegister(QStringLiteral("spring.diplom"), SmallRegister);
    const QByteArray original = readFile(QStringLiteral("spring.diplom"));
    ASSERT_TRUE(openThroughCommand(path));
    svidary::RecordFields broken = svidary::SplitRecord(reg.DocList[0]);
    broken[svidary::School] = svidary::utf8ToCp1251("сто");
    reg.DocList.push_back(svidary::JoinRecord(broken));
    reg.DocModified = true;
    const std::vector<std::string> before = reg.DocList;

    EXPECT_FALSE(form->runCommand([this] { form->SaveFileButtonClick(); }));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(
        prompts.messages()[0].contains(QStringLiteral("'сто' is not a valid integer value")));
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("не сохранен")));
    EXPECT_EQ(readFile(QStringLiteral("spring.diplom")), original);
    EXPECT_FALSE(QFileInfo::exists(scratchPath(QStringLiteral("spring.diplom.temp"))));
    EXPECT_EQ(reg.DocList, before);
    EXPECT_TRUE(reg.DocModified);
    EXPECT_FALSE(form->waitForm().isVisible());
    EXPECT_TRUE(isEnabled("SaveIt"));
}

struct CloseCase {
    const char* name;
    bool answerYes;
    bool fileRewritten;
};

class CloseQuestionTest : public RegisterWindowTest,
                          public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestionTest, AsksOnceAndClosesEitherWay) {
    const QString path = writeRegister(QStringLiteral("spring.diplom"), SmallRegister);
    const QByteArray original = readFile(QStringLiteral("spring.diplom"));
    ASSERT_TRUE(openThroughCommand(path));
    reg.DocList.push_back(recordLine(SmallRegister[0]).replace(0, 1, "9"));
    reg.DocModified = true;
    prompts.yesNoAnswers.push_back(GetParam().answerYes);

    EXPECT_TRUE(form->runCommand([this] { form->CloseItButtonClick(); }));
    EXPECT_EQ(prompts.texts(QStringLiteral("question")),
              QStringList{QStringLiteral("Сохранить файл \"spring\" перед закрытием?")});
    EXPECT_EQ(readFile(QStringLiteral("spring.diplom")) != original, GetParam().fileRewritten);
    EXPECT_FALSE(reg.isOpen());
    EXPECT_FALSE(reg.DocListsExist);
    EXPECT_FALSE(reg.DocModified);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий"));
    EXPECT_EQ(form->statusPanelText(0), QString());
    EXPECT_EQ(table().model()->rowCount(), 0);
    EXPECT_TRUE(isEnabled("OpenFileButton"));
    EXPECT_FALSE(isEnabled("CloseItButton"));
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest,
                         ::testing::Values(CloseCase{"yes", true, true},
                                           CloseCase{"no", false, false}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) {
                             return info.param.name;
                         });

TEST_F(RegisterFileCommandsTest, CloseOfAnUnchangedRegisterAsksNothing) {
    ASSERT_TRUE(openThroughCommand(writeRegister(QStringLiteral("spring.diplom"), SmallRegister)));
    EXPECT_TRUE(form->runCommand([this] { form->CloseItButtonClick(); }));
    EXPECT_EQ(prompts.texts(QStringLiteral("question")), QStringList());
    EXPECT_FALSE(reg.isOpen());
}

TEST_F(RegisterFileCommandsTest, CloseWhoseSaveFailsKeepsTheRegisterOpen) {
    ASSERT_TRUE(openThroughCommand(writeRegister(QStringLiteral("spring.diplom"), SmallRegister)));
    svidary::RecordFields broken = svidary::SplitRecord(reg.DocList[0]);
    broken[svidary::DocType] = "";
    reg.DocList.push_back(svidary::JoinRecord(broken));
    reg.DocModified = true;
    prompts.yesNoAnswers.push_back(true);

    EXPECT_FALSE(form->runCommand([this] { form->CloseItButtonClick(); }));
    EXPECT_TRUE(reg.isOpen());
    EXPECT_EQ(reg.DocList.size(), 5u);
    EXPECT_TRUE(reg.DocModified);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Свидарий - \"spring\""));
    EXPECT_EQ(table().model()->rowCount(), 4);
}

TEST_F(RegisterFileCommandsTest, ClosingTheWindowAsksTheSaveQuestionOnce) {
    ASSERT_TRUE(openThroughCommand(writeRegister(QStringLiteral("spring.diplom"), SmallRegister)));
    reg.DocModified = true;
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompts.texts(QStringLiteral("question")).size(), 1);
    EXPECT_FALSE(reg.isOpen());
}

} // namespace
