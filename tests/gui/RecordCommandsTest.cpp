#include "MainFormTestFixture.h"

#include "TestFiles.h"
#include "core/Record.h"
#include "core/RegisterCells.h"
#include "main/QtText.h"
#include "record/EditDiplomForm.h"
#include "settings/SchoolLevelForm.h"

#include <QApplication>
#include <QByteArray>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <optional>
#include <string>
#include <vector>

using namespace guitest;
using namespace svidary;

// Failed comparisons show the texts, not their bytes.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using test::cp;

// A document that passes every check of the form; the texts are UTF-8.
struct Document {
    std::string regNum = "15";
    std::string docType = "0";
    std::string level = "1";
    std::string surname = "Иванов";
    std::string name = "Иван";
    std::string patronymic = "Иванович";
    std::string series = "АБ";
    std::string number = "123";
    std::string issued = "30.06.2009";
    std::string start = "2004";
    std::string stop = "2009";
    std::string personalNumber = "Не установлен";
    std::string specialty = "Сестринское дело";
    std::string specialisation = "-";
    std::string qualification = "Медицинская сестра";
};

void fill(TEditDiplomForm& form, const Document& d) {
    const std::pair<FieldIndex, const std::string&> fields[] = {
        {DocType, d.docType}, {Level, d.level},
        {RegNum, d.regNum},   {F, d.surname},
        {I, d.name},          {O, d.patronymic},
        {Ser, d.series},      {Num, d.number},
        {Create, d.issued},   {Start, d.start},
        {Stop, d.stop},       {Pasp, d.personalNumber},
        {Spec, d.specialty},  {Spz, d.specialisation},
        {Kw, d.qualification}};
    for (const auto& [field, text] : fields) {
        form.setFieldText(field, cp(text));
    }
}

// The stored line of a document with its institution code, as the add command composes it.
std::string lineOf(const Document& d, int school, const char* storedPersonalNumber = "-") {
    return test::recordLine({d.regNum, d.level, d.docType, d.surname, d.name, d.patronymic, d.start,
                             d.stop, d.issued, d.series, d.number, storedPersonalNumber,
                             d.specialty, d.specialisation, d.qualification,
                             std::to_string(school)});
}

Document withSurname(const char* surname, const char* patronymic, const char* number) {
    Document d;
    d.surname = surname;
    d.patronymic = patronymic;
    d.number = number;
    return d;
}

// Presses OK as the user would; gives how the form closed (a refused OK leaves it open, which
// counts as cancelled here).
int pressOk(QDialog& dialog) {
    dialog.setResult(QDialog::Rejected);
    dialog.findChild<QPushButton*>(QStringLiteral("AddDiplomButton"))->click();
    return dialog.result();
}

// Fills the form with the document and presses OK.
ScriptedPrompts::ModalHandler enter(Document d) {
    return [d](QDialog& dialog) {
        fill(static_cast<TEditDiplomForm&>(dialog), d);
        return pressOk(dialog);
    };
}

// Looks at the form as it is shown, then presses OK or cancels.
ScriptedPrompts::ModalHandler inspect(std::function<void(TEditDiplomForm&)> look, bool ok) {
    return [look, ok](QDialog& dialog) {
        look(static_cast<TEditDiplomForm&>(dialog));
        return ok ? pressOk(dialog) : static_cast<int>(QDialog::Rejected);
    };
}

// Three records of the installation's institution 104 but the middle one of 100; shown sorted
// by patronymic: Борисов (Андреевич), Сидоров (Петрович), Алексеев (Юрьевич).
const std::vector<Document> ThreeDocuments = {withSurname("Сидоров", "Петрович", "501"),
                                              withSurname("Алексеев", "Юрьевич", "502"),
                                              withSurname("Борисов", "Андреевич", "503")};

// A started main window with a register open in memory; the user is a script.
class RecordCommandsTest : public MainFormTest {
protected:
    void SetUp() override {
        ASSERT_EQ(form->startUp(), std::nullopt);
        refs.AttribSchoolCode = 104;
        refs.AttribYear = 2009;
        form->documentForm().InitVariables();
        prompts.clear();
    }

    // The register with these documents (school codes given per line) and the keys that a
    // redraw leaves: long keys, sorted.
    void openWith(const std::vector<std::string>& lines) {
        std::vector<std::string> keys;
        for (const auto& line : lines) {
            const RecordFields f = SplitRecord(line);
            keys.push_back(f[DocType] + f[Ser] + "~" + f[Num] + "~~" + f[School]);
        }
        std::sort(keys.begin(), keys.end());
        openRegister("/tmp/register.diplom", lines);
        reg.DocKeys = keys;
        reg.DocModified = false;
    }
    void openThree() {
        openWith({lineOf(ThreeDocuments[0], 104), lineOf(ThreeDocuments[1], 100),
                  lineOf(ThreeDocuments[2], 104)});
    }

    QTreeView& table() { return form->registerView(); }
    RegisterTableModel& model() { return form->registerModel(); }
    int rowCount() { return model().rowCount(); }

    // The row that shows that record of DocList.
    int rowOf(std::uint32_t record) {
        for (int row = 0; row < rowCount(); ++row) {
            if (model().recordAt(row) == record) {
                return row;
            }
        }
        ADD_FAILURE() << "no row for record " << record;
        return -1;
    }
    void focusRecord(std::uint32_t record) {
        table().setCurrentIndex(model().index(rowOf(record), 0));
    }
    QString cell(int row, int column) { return model().index(row, column).data().toString(); }
    // Every row shows the record it refers to.
    void expectRowsShowTheirRecords() {
        ASSERT_EQ(static_cast<std::size_t>(rowCount()), reg.DocList.size());
        for (int row = 0; row < rowCount(); ++row) {
            const RecordFields f = SplitRecord(reg.DocList.at(model().recordAt(row)));
            EXPECT_EQ(cell(row, FColumn), toQt(f[F])) << row;
            EXPECT_EQ(cell(row, NumberColumn), toQt(f[Num])) << row;
        }
    }
    QStringList surnamesShown() {
        QStringList shown;
        for (int row = 0; row < rowCount(); ++row) {
            shown << cell(row, FColumn);
        }
        return shown;
    }

    template <typename Widget> Widget* control(TEditDiplomForm& f, const char* name) {
        auto* widget = f.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString schoolLabel(TEditDiplomForm& f) {
        return control<QLabel>(f, "SchoolNameLabel")->text();
    }
    QString schoolName(int code) { return toQt(refs.SchoolNameByCode(code)); }

    int documentFormShowings() {
        return static_cast<int>(prompts.texts(QStringLiteral("modal")).count("TEditDiplomForm"));
    }

    // Runs a command as its menu item does: through the general error handler.
    void run(void (TMainForm::*command)()) {
        form->runCommand([this, command] { (form.get()->*command)(); });
    }
};

// --- Add ---

TEST_F(RecordCommandsTest, AddAppendsRecordsUntilCancelledWithKeysRowsAndCount) {
    openWith({});
    const Document first = withSurname("Петров", "Андреевич", "0012345");
    Document second = withSurname("Орлов", "Борисович", "77");
    second.personalNumber = "3120589A001PB1";
    prompts.modalHandlers = {enter(first), enter(second)};

    run(&TMainForm::AddRecordButtonClick);

    EXPECT_EQ(documentFormShowings(), 3) << "the form comes back until it is cancelled";
    Document firstStored = first;
    firstStored.number = "12345"; // the form normalises the number
    EXPECT_EQ(reg.DocList, (std::vector<std::string>{lineOf(firstStored, 104),
                                                     lineOf(second, 104, "3120589A001PB1")}));
    EXPECT_EQ(reg.DocKeys, (std::vector<std::string>{cp("0АБ~12345"), cp("0АБ~77")}));
    ASSERT_EQ(rowCount(), 2);
    EXPECT_EQ(cell(rowOf(0), LNumberColumn), QStringLiteral("Не установлен"));
    EXPECT_EQ(cell(rowOf(0), SchoolNameColumn), schoolName(104));
    EXPECT_TRUE(reg.DocModified);
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("Записей: 2"));
    EXPECT_TRUE(isEnabled("EditButton")) << "the command states follow the new rows";
    EXPECT_TRUE(isEnabled("DelIt"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(RecordCommandsTest, AddPreparesTheFormAndKeepsTheValuesOfThePreviousDocument) {
    openThree();
    // A correction of a record of another institution came before.
    focusRecord(1);
    prompts.modalHandlers = {enter(ThreeDocuments[1])};
    run(&TMainForm::EditButtonClick);
    ASSERT_EQ(schoolLabel(form->documentForm()), schoolName(100));

    Document previous = withSurname("Петров", "Андреевич", "900");
    previous.docType = "2";
    previous.level = "3";
    previous.regNum = "77";
    previous.series = "ВГ";
    previous.start = "2003";
    previous.stop = "2008";
    previous.issued = "01.07.2008";
    previous.personalNumber = "4010190B002PB3";
    previous.specialty = "Право";
    prompts.modalHandlers = {inspect(
                                 [&](TEditDiplomForm& f) {
                                     EXPECT_EQ(schoolLabel(f), schoolName(104));
                                     EXPECT_EQ(f.OldDocType, -1);
                                     EXPECT_EQ(f.OldSeria, "");
                                     EXPECT_EQ(f.OldNum, "");
                                     fill(f, previous);
                                 },
                                 true),
                             inspect(
                                 [&](TEditDiplomForm& f) {
                                     for (const FieldIndex emptied : {RegNum, F, I, O, Ser, Num}) {
                                         EXPECT_EQ(f.fieldText(emptied), "") << emptied;
                                     }
                                     EXPECT_EQ(f.fieldText(Pasp), cp("Не установлен"));
                                     EXPECT_EQ(schoolLabel(f), schoolName(104));
                                     const std::pair<FieldIndex, std::string> kept[] = {
                                         {DocType, "2"},         {Level, "3"},
                                         {Start, "2003"},        {Stop, "2008"},
                                         {Create, "01.07.2008"}, {Spec, cp("Право")},
                                         {Spz, cp("-")},         {Kw, cp("Медицинская сестра")}};
                                     for (const auto& [field, text] : kept) {
                                         EXPECT_EQ(f.fieldText(field), text) << field;
                                     }
                                 },
                                 false)};

    run(&TMainForm::AddRecordButtonClick);

    ASSERT_EQ(reg.DocList.size(), 4U);
    EXPECT_EQ(SplitRecord(reg.DocList.back())[School], "104");
}

TEST_F(RecordCommandsTest, AddCancelledAtOnceChangesNothing) {
    openThree();
    const auto before = reg;
    run(&TMainForm::AddRecordButtonClick);
    EXPECT_EQ(documentFormShowings(), 1);
    EXPECT_EQ(reg.DocList, before.DocList);
    EXPECT_EQ(reg.DocKeys, before.DocKeys);
    EXPECT_FALSE(reg.DocModified);
    EXPECT_EQ(rowCount(), 3);
}

TEST_F(RecordCommandsTest, NewRowTakesItsSortedPlaceAndBecomesTheFocusedRow) {
    openThree();
    ASSERT_EQ(surnamesShown(), (QStringList{"Борисов", "Сидоров", "Алексеев"}));
    prompts.modalHandlers = {enter(withSurname("Кузнецов", "Олегович", "504")),
                             enter(withSurname("Яковлев", "Якович", "505"))};
    run(&TMainForm::AddRecordButtonClick);
    EXPECT_EQ(surnamesShown(),
              (QStringList{"Борисов", "Кузнецов", "Сидоров", "Алексеев", "Яковлев"}));
    EXPECT_EQ(table().currentIndex().row(), 4);
    expectRowsShowTheirRecords();

    // Sorted by a column again, in the other direction: still in step.
    table().sortByColumn(FColumn, Qt::DescendingOrder);
    prompts.modalHandlers = {enter(withSurname("Лебедев", "Ильич", "506"))};
    run(&TMainForm::AddRecordButtonClick);
    EXPECT_EQ(surnamesShown(),
              (QStringList{"Яковлев", "Сидоров", "Лебедев", "Кузнецов", "Борисов", "Алексеев"}));
    EXPECT_EQ(table().currentIndex().row(), 2);
    expectRowsShowTheirRecords();
}

// --- Edit ---

TEST_F(RecordCommandsTest, EditFillsTheFormFromTheRecordAndReplacesItInPlace) {
    openThree();
    focusRecord(1);
    const std::vector<std::string> keysBefore = reg.DocKeys;
    Document corrected = ThreeDocuments[1];
    corrected.surname = "Алексеева";
    corrected.series = "ВГ";
    corrected.number = "7";
    prompts.modalHandlers = {inspect(
        [&](TEditDiplomForm& f) {
            EXPECT_EQ(schoolLabel(f), schoolName(100)) << "the record's own institution";
            EXPECT_EQ(f.fieldText(F), cp("Алексеев"));
            EXPECT_EQ(f.fieldText(Num), "502");
            EXPECT_EQ(f.fieldText(Level), "1");
            EXPECT_EQ(f.fieldText(Create), "30.06.2009");
            EXPECT_EQ(f.fieldText(Pasp), cp("Не установлен")) << "for a stored \"-\"";
            EXPECT_EQ(f.OldDocType, 0);
            EXPECT_EQ(f.OldSeria, cp("АБ"));
            EXPECT_EQ(f.OldNum, "502");
            fill(f, corrected);
        },
        true)};

    run(&TMainForm::EditButtonClick);

    ASSERT_EQ(reg.DocList.size(), 3U);
    EXPECT_EQ(reg.DocList[0], lineOf(ThreeDocuments[0], 104));
    EXPECT_EQ(reg.DocList[1], lineOf(corrected, 100)) << "same place, institution kept";
    EXPECT_EQ(reg.DocList[2], lineOf(ThreeDocuments[2], 104));
    // The old key is replaced where it stood.
    std::vector<std::string> expectedKeys = keysBefore;
    for (auto& key : expectedKeys) {
        if (key == cp("0АБ~502~~100")) {
            key = cp("0ВГ~7");
        }
    }
    EXPECT_EQ(reg.DocKeys, expectedKeys);
    EXPECT_EQ(cell(rowOf(1), FColumn), QStringLiteral("Алексеева"));
    EXPECT_EQ(table().currentIndex().row(), rowOf(1)) << "the focus stays on the record";
    EXPECT_TRUE(reg.DocModified);
    expectRowsShowTheirRecords();
}

TEST_F(RecordCommandsTest, EditedRowMovesToItsSortedPlaceWithTheFocus) {
    openThree();
    focusRecord(2); // Борисов, first row
    Document corrected = ThreeDocuments[2];
    corrected.patronymic = "Янович";
    prompts.modalHandlers = {enter(corrected)};
    run(&TMainForm::EditButtonClick);
    EXPECT_EQ(surnamesShown(), (QStringList{"Сидоров", "Алексеев", "Борисов"}));
    EXPECT_EQ(table().currentIndex().row(), 2);
    expectRowsShowTheirRecords();
}

TEST_F(RecordCommandsTest, EditWithoutChangesRewritesTheLineAndKeepsOneKey) {
    openThree();
    focusRecord(0);
    const auto before = reg;
    prompts.modalHandlers = {inspect([](TEditDiplomForm&) {}, true)};
    run(&TMainForm::EditButtonClick);
    EXPECT_EQ(reg.DocList, before.DocList);
    EXPECT_EQ(reg.DocKeys.size(), 3U);
    EXPECT_EQ(std::count(reg.DocKeys.begin(), reg.DocKeys.end(), cp("0АБ~501")), 1);
    EXPECT_TRUE(prompts.messages().isEmpty()) << "its own key is no duplicate";
    EXPECT_TRUE(reg.DocModified);
}

TEST_F(RecordCommandsTest, EditAppendsTheNewKeyWhenTheOldOneIsMissing) {
    openThree();
    reg.DocKeys.clear();
    focusRecord(0);
    Document corrected = ThreeDocuments[0];
    corrected.number = "9";
    prompts.modalHandlers = {enter(corrected)};
    run(&TMainForm::EditButtonClick);
    EXPECT_EQ(reg.DocKeys, std::vector<std::string>{cp("0АБ~9")});
}

TEST_F(RecordCommandsTest, CancelledEditChangesNothingButCountsAsAChange) {
    openThree();
    focusRecord(1);
    const auto before = reg;
    prompts.modalHandlers = {inspect([](TEditDiplomForm& f) { f.setFieldText(F, "X"); }, false)};
    run(&TMainForm::EditButtonClick);
    EXPECT_EQ(documentFormShowings(), 1);
    EXPECT_EQ(reg.DocList, before.DocList);
    EXPECT_EQ(reg.DocKeys, before.DocKeys);
    EXPECT_EQ(cell(rowOf(1), FColumn), QStringLiteral("Алексеев"));
    EXPECT_TRUE(reg.DocModified);
}

// Records the table shows differently from what is stored are still found through their rows.
TEST_F(RecordCommandsTest, EditFindsRecordsWhatEverTheirPersonalNumber) {
    struct Case {
        const char* stored;
        const char* shownInForm;
        const char* storedAfterOk;
    };
    const Case cases[] = {{"", "Не установлен", "-"},
                          {" ", " ", " "},
                          {"-", "Не установлен", "-"},
                          {"Не установлен", "Не установлен", "-"},
                          {"3120589A001PB1", "3120589A001PB1", "3120589A001PB1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        openWith({lineOf(ThreeDocuments[0], 104, c.stored), lineOf(ThreeDocuments[1], 104)});
        focusRecord(0);
        prompts.modalHandlers = {inspect(
            [&](TEditDiplomForm& f) { EXPECT_EQ(f.fieldText(Pasp), cp(c.shownInForm)); }, true)};
        run(&TMainForm::EditButtonClick);
        EXPECT_EQ(reg.DocList[0], lineOf(ThreeDocuments[0], 104, c.storedAfterOk));
        EXPECT_EQ(reg.DocList[1], lineOf(ThreeDocuments[1], 104));
    }
}

TEST_F(RecordCommandsTest, EditOfARecordWithoutAValidIssueDateProposesTheFormsDate) {
    RecordFields fields = SplitRecord(lineOf(ThreeDocuments[0], 104));
    fields[Create] = "-";
    openWith({JoinRecord(fields)});
    focusRecord(0);
    prompts.modalHandlers = {inspect(
        [&](TEditDiplomForm& f) {
            EXPECT_EQ(prompts.messages(), QStringList{"'-' is not a valid date"})
                << "the message comes before the form";
            EXPECT_EQ(f.fieldText(Create), "01.03.2009");
            f.setFieldText(Create, "30.06.2009");
        },
        true)};
    run(&TMainForm::EditButtonClick);
    EXPECT_EQ(documentFormShowings(), 1);
    EXPECT_EQ(reg.DocList[0], lineOf(ThreeDocuments[0], 104));
}

TEST_F(RecordCommandsTest, EditStopsAtACodeThatIsNotAnIntegerAndChangesNothing) {
    const std::pair<FieldIndex, const char*> cases[] = {
        {Level, "x"}, {DocType, ""}, {School, "1O4"}};
    for (const auto& [field, text] : cases) {
        SCOPED_TRACE(field);
        RecordFields fields = SplitRecord(lineOf(ThreeDocuments[0], 104));
        fields[field] = text;
        openWith({JoinRecord(fields)});
        focusRecord(0);
        form->documentForm().setFieldText(F, cp("Прежний"));
        prompts.clear();
        const auto before = reg;
        prompts.modalHandlers = {enter(ThreeDocuments[1])};

        run(&TMainForm::EditButtonClick);

        EXPECT_EQ(prompts.messages(),
                  QStringList{QStringLiteral("'%1' is not a valid integer value").arg(text)});
        EXPECT_EQ(documentFormShowings(), 0);
        EXPECT_EQ(reg.DocList, before.DocList);
        EXPECT_EQ(reg.DocKeys, before.DocKeys);
        EXPECT_FALSE(reg.DocModified);
        EXPECT_EQ(form->documentForm().fieldText(F), cp("Прежний")) << "the form untouched";
        prompts.modalHandlers.clear();
    }
}

// --- Delete ---

TEST_F(RecordCommandsTest, DeleteAnsweredNoChangesNothing) {
    openThree();
    focusRecord(1);
    const auto before = reg;
    prompts.yesNoAnswers = {false};
    run(&TMainForm::DeleteRecordButtonClick);
    EXPECT_EQ(prompts.texts(QStringLiteral("question")),
              QStringList{QStringLiteral("Удаленная запись восстановлению не подлежит!\n\rВы "
                                         "действительно хотите удалить текущую запись?")});
    EXPECT_EQ(reg.DocList, before.DocList);
    EXPECT_EQ(reg.DocKeys, before.DocKeys);
    EXPECT_EQ(rowCount(), 3);
    EXPECT_FALSE(reg.DocModified);
}

TEST_F(RecordCommandsTest, DeleteRemovesTheFocusedRecordItsRowAndItsKey) {
    openThree();
    // A second key of the same document (a duplicate in the register): only the first goes.
    reg.DocKeys.push_back(cp("0АБ~501"));
    focusRecord(0);
    prompts.yesNoAnswers = {true};
    run(&TMainForm::DeleteRecordButtonClick);
    EXPECT_EQ(reg.DocList, (std::vector<std::string>{lineOf(ThreeDocuments[1], 100),
                                                     lineOf(ThreeDocuments[2], 104)}));
    EXPECT_EQ(reg.DocKeys,
              (std::vector<std::string>{cp("0АБ~502~~100"), cp("0АБ~503~~104"), cp("0АБ~501")}));
    EXPECT_EQ(surnamesShown(), (QStringList{"Борисов", "Алексеев"}));
    expectRowsShowTheirRecords();
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("Записей: 2"));
    EXPECT_TRUE(reg.DocModified);
}

TEST_F(RecordCommandsTest, DeletingTheLastRowLeavesAnOpenRegisterWithoutRows) {
    openWith({lineOf(ThreeDocuments[0], 104)});
    focusRecord(0);
    prompts.yesNoAnswers = {true};
    run(&TMainForm::DeleteRecordButtonClick);
    EXPECT_TRUE(reg.DocList.empty());
    EXPECT_TRUE(reg.DocKeys.empty());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("Записей: 0"));
    EXPECT_TRUE(isEnabled("AddRecordButton"));
    EXPECT_TRUE(isEnabled("SaveIt"));
    EXPECT_FALSE(isEnabled("EditButton"));
    EXPECT_FALSE(isEnabled("DelIt"));
    EXPECT_FALSE(isEnabled("SearchButton"));
}

TEST_F(RecordCommandsTest, AfterDeletingADocumentItCanBeAddedAgain) {
    openThree();
    focusRecord(1);
    prompts.yesNoAnswers = {true};
    run(&TMainForm::DeleteRecordButtonClick);
    prompts.modalHandlers = {enter(ThreeDocuments[1])};
    run(&TMainForm::AddRecordButtonClick);
    EXPECT_TRUE(prompts.messages().isEmpty()) << "no duplicate message";
    EXPECT_EQ(reg.DocList.back(), lineOf(ThreeDocuments[1], 104));
    EXPECT_EQ(rowCount(), 3);
}

TEST_F(RecordCommandsTest, EditAndDeleteWithoutAFocusedRowDoNothing) {
    openThree();
    table().setCurrentIndex(QModelIndex());
    const auto before = reg;
    prompts.yesNoAnswers = {true};
    prompts.modalHandlers = {enter(ThreeDocuments[0])};
    run(&TMainForm::EditButtonClick);
    run(&TMainForm::DeleteRecordButtonClick);
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_EQ(reg.DocList, before.DocList);
    EXPECT_FALSE(reg.DocModified);
}

// --- The institution attributes dialog ---

ScriptedPrompts::ModalHandler saveAttributes(const QString& year, const QString& name) {
    return [year, name](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("Year_CB"))->setEditText(year);
        auto* names = dialog.findChild<QComboBox*>(QStringLiteral("SchoolName_CB"));
        names->setCurrentIndex(names->findText(name));
        EXPECT_GE(names->currentIndex(), 0) << name.toStdString();
        dialog.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
        return dialog.result();
    };
}

class AttributesWiringTest : protected WithReferenceFolder, public MainFormTest {
protected:
    AttributesWiringTest()
        : WithReferenceFolder({"levels.xml", "types.xml", "Schools.xml", "spec.xml"}),
          MainFormTest(folder.filesPath()) {}

    QString label() {
        return form->documentForm().findChild<QLabel*>(QStringLiteral("SchoolNameLabel"))->text();
    }
};

TEST_F(AttributesWiringTest, MissingAttributesFileOpensTheDialogAtStartUp) {
    prompts.modalHandlers = {{},
                             saveAttributes("2002", QStringLiteral("Приречный техникум связи"))};
    ASSERT_EQ(form->startUp(), std::nullopt);
    EXPECT_EQ(prompts.texts(QStringLiteral("modal")),
              (QStringList{"TAboutForm", "TSchoolLevelForm"}));
    EXPECT_TRUE(folder.files().exists(QStringLiteral("VELTAttrib.xml")));
    EXPECT_EQ(refs.AttribSchoolCode, 108);
    // The document form, created after the dialog, starts from the saved values.
    EXPECT_EQ(label(), QStringLiteral("Приречный техникум связи"));
    EXPECT_EQ(form->documentForm().fieldText(Stop), "2002");
}

TEST_F(AttributesWiringTest, PresentAttributesFileOpensNoDialog) {
    folder.write(QStringLiteral("VELTAttrib.xml"), "<a>\r\n105\r\n<b>\r\n2008\r\n");
    ASSERT_EQ(form->startUp(), std::nullopt);
    EXPECT_EQ(prompts.texts(QStringLiteral("modal")), QStringList{"TAboutForm"});
    EXPECT_EQ(refs.AttribSchoolCode, 105);
}

TEST_F(AttributesWiringTest, SettingsMenuSavesAndReinitialisesTheDocumentForm) {
    ASSERT_EQ(form->startUp(), std::nullopt);
    TEditDiplomForm& document = form->documentForm();
    document.setFieldText(DocType, "3");
    document.setFieldText(F, cp("Петров"));
    prompts.clear();
    const QString college =
        QStringLiteral("Учреждение образования \"Озёрский политехнический колледж\"");
    prompts.modalHandlers = {saveAttributes("2005", college)};

    form->findChild<QAction*>(QStringLiteral("SchoolIt"))->trigger();

    EXPECT_EQ(prompts.texts(QStringLiteral("modal")), QStringList{"TSchoolLevelForm"});
    EXPECT_EQ(refs.AttribSchoolCode, 104);
    EXPECT_EQ(refs.AttribYear, 2005);
    EXPECT_EQ(label(), college);
    EXPECT_EQ(document.fieldText(Stop), "2005");
    EXPECT_EQ(document.fieldText(Create), "01.03.2005");
    EXPECT_EQ(document.fieldText(DocType), "0") << "the lists are filled anew";
    EXPECT_EQ(document.fieldText(F), cp("Петров")) << "typed texts stay";
}

// --- The keyboard alone ---

// Types the text key by key, as a keyboard would: QTest's own keyClicks knows ASCII only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(ch.toUpper().unicode()),
                            QString(ch), Qt::NoModifier);
    }
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// The document form as the user meets it: shown and active, the registration number focused.
void showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    // A dialog counts as active while its owner is (QWindow::isActive looks through transient
    // parents), so wait for the application's own active window instead.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    ASSERT_NE(focused(), nullptr);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("RegNo_Edit"));
}

// The fields that Enter walks from the registration number to the qualification.
constexpr int FieldsBeforeOk = 13;

// Walks the form with Enter from the registration number to OK, typing a text into each field
// that has one ("" or no text leaves the field as it is), then presses OK with Enter.
ScriptedPrompts::ModalHandler typeDocument(QStringList texts) {
    while (texts.size() < FieldsBeforeOk) {
        texts << QString();
    }
    return [texts](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        showActive(dialog);
        for (const QString& text : texts) {
            if (!text.isEmpty()) {
                QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
                typeText(focused(), text);
            }
            QTest::keyClick(focused(), Qt::Key_Return);
        }
        EXPECT_EQ(focused()->objectName(), QStringLiteral("AddDiplomButton"));
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    };
}

ScriptedPrompts::ModalHandler escape() {
    return [](QDialog& dialog) {
        dialog.setResult(QDialog::Accepted);
        showActive(dialog);
        QTest::keyClick(focused(), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    };
}

class KeyboardWalkTest : public RecordCommandsTest {
protected:
    void SetUp() override {
        RecordCommandsTest::SetUp();
        openWith({});
        form->show();
        backToTheTable();
    }
    void backToTheTable() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }));
        table().setFocus();
    }
    // A key pressed where the focus is, in the main window.
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }
};

TEST_F(KeyboardWalkTest, RecordsAreAddedCorrectedAndDeletedWithKeysOnly) {
    // RegNo, F, I, O, series, number, issue date, begin year, end year, personal number,
    // specialty, specialisation, qualification.
    const QStringList first = {"1", "ИВАНОВ", "иван", "Иванович", "аб", "0123", "",
                               "",  "",       "",     "Право",    "-",  "Юрист"};
    const QStringList second = {"2", "Петров", "Пётр", "Петрович", "АБ", "124",  "",
                                "",  "",       "AB12", "Право",    "-",  "Юрист"};
    prompts.modalHandlers = {typeDocument(first), typeDocument(second), escape()};

    press(Qt::Key_Insert);

    EXPECT_EQ(documentFormShowings(), 3);
    ASSERT_EQ(reg.DocList.size(), 2U);
    // Names capitalised, series in upper case, the number without leading zeros; the issue
    // date and the years as the form proposes them for 2009; the installation's institution.
    EXPECT_EQ(reg.DocList[0], JoinRecord({"1", "0", "0", cp("Иванов"), cp("Иван"), cp("Иванович"),
                                          "2004", "2009", "01.03.2009", cp("АБ"), "123", "-",
                                          cp("Право"), "-", cp("Юрист"), "104"}));
    EXPECT_EQ(SplitRecord(reg.DocList[1])[Pasp], "AB12");
    EXPECT_EQ(table().currentIndex().row(), rowOf(1)) << "the last record added has the focus";

    // Enter on a row corrects its record.
    backToTheTable();
    table().setCurrentIndex(model().index(rowOf(0), 0));
    prompts.modalHandlers = {typeDocument({"", "Сидоров"})};
    press(Qt::Key_Return);
    EXPECT_EQ(SplitRecord(reg.DocList[0])[F], cp("Сидоров"));
    EXPECT_EQ(SplitRecord(reg.DocList[0])[Num], "123");

    // F2 does the same; Esc in the form leaves the record as it was.
    backToTheTable();
    prompts.modalHandlers = {escape()};
    press(Qt::Key_F2);
    EXPECT_EQ(documentFormShowings(), 5);
    EXPECT_EQ(SplitRecord(reg.DocList[0])[F], cp("Сидоров"));

    // Del deletes the focused record after the question.
    backToTheTable();
    const std::string kept = reg.DocList[1];
    prompts.yesNoAnswers = {true};
    press(Qt::Key_Delete);
    EXPECT_EQ(reg.DocList, std::vector<std::string>{kept});
    EXPECT_EQ(prompts.texts(QStringLiteral("question")).size(), 1);
    EXPECT_EQ(reg.DocKeys, std::vector<std::string>{cp("0АБ~124")});
}

TEST_F(KeyboardWalkTest, KeysOfUnavailableCommandsDoNothing) {
    // No rows: Enter, F2 and Del have nothing to act on.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_F2, Qt::Key_Delete}) {
        press(key);
    }
    EXPECT_TRUE(prompts.calls.empty());
    closeRegister();
    backToTheTable();
    press(Qt::Key_Insert);
    EXPECT_TRUE(prompts.calls.empty()) << "no register: nothing to add to";
}

TEST_F(KeyboardWalkTest, DelInTheSearchBoxEditsTheTextNotTheRegister) {
    openThree();
    table().setCurrentIndex(model().index(0, 0));
    auto* search = form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    search->setFocus();
    search->setCursorPosition(0);
    press(Qt::Key_Delete);
    EXPECT_EQ(search->text(), QStringLiteral("иплом"));
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_EQ(reg.DocList.size(), 3U);
}

// A register built from nothing, saved, reopened and corrected without the mouse: the toolbar's
// buttons are reached with Tab and pressed with Space, the records go through their own keys.
class KeyboardRegisterTest : public KeyboardWalkTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(scratch_.path());
        KeyboardWalkTest::SetUp();
        closeRegister();
        form->setNewRegisterFolder(scratch_.path());
        backToTheTable();
    }
    void TearDown() override { QDir::setCurrent(previousFolder_); }

    // Tab until the control has the focus.
    void tabTo(const char* objectName) {
        for (int i = 0;
             i < 40 && focused() != nullptr && focused()->objectName() != QLatin1String(objectName);
             ++i) {
            press(Qt::Key_Tab);
        }
        ASSERT_NE(focused(), nullptr);
        ASSERT_EQ(focused()->objectName(), QLatin1String(objectName));
    }
    void pressButton(const char* objectName) {
        tabTo(objectName);
        press(Qt::Key_Space);
        backToTheTable();
    }

    QTemporaryDir scratch_;
    QString previousFolder_;
};

TEST_F(KeyboardRegisterTest, BuiltFromNothingSavedReopenedAndCorrected) {
    prompts.inputAnswers = {QStringLiteral("выпуск")};
    pressButton("NewFileButton");
    ASSERT_TRUE(reg.isOpen());

    prompts.modalHandlers = {typeDocument({"1", "Иванов", "Иван", "Иванович", "АБ", "123", "", "",
                                           "", "", "Право", "-", "Юрист"}),
                             typeDocument({"2", "Петров", "Пётр", "Петрович", "АБ", "124"}),
                             escape()};
    press(Qt::Key_Insert);
    ASSERT_EQ(reg.DocList.size(), 2U);
    backToTheTable(); // the closed form hands the focus back to the window

    pressButton("SaveFileButton");
    pressButton("CloseItButton");
    ASSERT_FALSE(reg.isOpen());
    const QString file = QDir(scratch_.path()).filePath(QStringLiteral("выпуск.diplom"));
    prompts.openFileAnswers = {file};
    pressButton("OpenFileButton");
    ASSERT_EQ(rowCount(), 2);

    tabTo("TreeList1");
    press(Qt::Key_Home); // the first row: Иванов, sorted by patronymic
    prompts.modalHandlers = {typeDocument({"", "Сидоров"})};
    press(Qt::Key_Return);
    backToTheTable();
    pressButton("SaveFileButton");

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(cp("\x0FСидоров\x0FИван\x0F"))));
    EXPECT_FALSE(bytes.contains(QByteArray::fromStdString(cp("\x0FИванов\x0F"))));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(cp("\x0FПетров\x0FПётр\x0F"))));
    EXPECT_TRUE(prompts.texts(QStringLiteral("question")).isEmpty());
}

} // namespace
