#include "settings/SchoolLevelForm.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "core/ReferenceData.h"
#include "core/ReferenceFiles.h"
#include "core/RegisterState.h"
#include "main/AppContext.h"
#include "record/EditDiplomForm.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using namespace svidary;

// Failed comparisons show the texts, not their bytes.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using test::cp;

TSchoolInfo entry(std::int32_t code, std::int32_t institution, Date validFrom,
                  std::string_view utf8Name) {
    return {code, institution, validFrom, cp(utf8Name)};
}

// The college renamed on 01.07.2005 (codes 70 and 71); a school named from 31.12.2003 and
// renamed from 01.01.2008; two institutions bearing one name.
Classifier sampleClassifier() {
    return Classifier({
        entry(70, 7, {1980, 9, 1}, "Колледж старый"),
        entry(71, 7, {2005, 7, 1}, "Колледж новый"),
        entry(80, 8, {2003, 12, 31}, "Бета-училище"),
        entry(81, 8, {2008, 1, 1}, "Бета-лицей"),
        entry(50, 5, {1990, 1, 1}, "Гимназия"),
        entry(55, 9, {1995, 1, 1}, "Гимназия"),
    });
}

// The dialog over its own classifier and a temporary folder, with a clock showing 2009.
class SchoolLevelFormTest : public ::testing::Test {
protected:
    SchoolLevelFormTest() {
        refs.SchoolTable = sampleClassifier();
        refs.AttribSchoolCode = 70;
        refs.AttribYear = 2004;
    }

    void open() {
        dialog = std::make_unique<TSchoolLevelForm>(
            context, [this] { ++saves; }, nullptr, [] { return 2009; });
        dialog->show();
        dialog->setResult(-1);
    }

    template <typename Widget> Widget* control(const char* name) {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* years() { return control<QComboBox>("Year_CB"); }
    QComboBox* names() { return control<QComboBox>("SchoolName_CB"); }
    QString period() { return control<QLabel>("Label1")->text(); }

    QStringList nameItems() {
        QStringList texts;
        for (int i = 0; i < names()->count(); ++i) {
            texts << names()->itemText(i);
        }
        return texts;
    }

    // Types the year key by key into the year's text.
    void typeYear(const QString& year) {
        years()->setFocus();
        years()->lineEdit()->selectAll();
        QTest::keyClick(years(), Qt::Key_Delete);
        QTest::keyClicks(years(), year);
    }

    void filter(const QString& text) {
        control<QLineEdit>("FilterEdit")->setText(text);
        control<QPushButton>("FilterButton")->click();
    }

    void pressOk() { control<QPushButton>("SpeedButton1")->click(); }

    std::filesystem::path attributesFile() const {
        return referenceFilePath(folderPath(), "Attrib.xml");
    }
    std::filesystem::path folderPath() const { return folder.path().toStdString(); }

    QTemporaryDir folder;
    ReferenceData refs;
    RegisterState reg;
    ScriptedPrompts prompts;
    AppContext context{refs, reg, prompts, std::filesystem::path(folder.path().toStdString())};
    std::unique_ptr<TSchoolLevelForm> dialog;
    int saves = 0;
};

const QString OldCollege = QStringLiteral("Колледж старый");
const QString NewCollege = QStringLiteral("Колледж новый");

TEST_F(SchoolLevelFormTest, OpensOnTheInstallationsYearAndInstitution) {
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Атрибуты учебного заведения"));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(control<QPushButton>("SpeedButton1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(control<QPushButton>("SpeedButton2")->focusPolicy(), Qt::NoFocus);

    ASSERT_EQ(years()->count(), 19);
    EXPECT_EQ(years()->itemText(0), QStringLiteral("1991"));
    EXPECT_EQ(years()->itemText(18), QStringLiteral("2009"));
    EXPECT_EQ(years()->currentText(), QStringLiteral("2004"));

    EXPECT_EQ(nameItems(), (QStringList{"Бета-училище", "Гимназия", "Гимназия", OldCollege}));
    EXPECT_EQ(names()->currentText(), OldCollege);
    EXPECT_EQ(period(), QStringLiteral("Период выдачи документов: с 01.09.1980 по 01.07.2005"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(SchoolLevelFormTest, AnInstitutionNotOfferedForTheYearLeavesTheFirstNameSelected) {
    refs.AttribSchoolCode = 71;
    open();
    EXPECT_EQ(names()->currentIndex(), 0);
    EXPECT_EQ(names()->currentText(), QStringLiteral("Бета-училище"));
    EXPECT_EQ(period(), QStringLiteral("Период выдачи документов: с 31.12.2003 по 01.01.2008"));
}

// Two institutions bear "Гимназия": whichever of them is the installation's, the last item of
// that name is the one selected.
TEST_F(SchoolLevelFormTest, TheLastItemOfTheInstitutionsNameIsSelected) {
    for (const std::int32_t code : {50, 55}) {
        refs.AttribSchoolCode = code;
        open();
        ASSERT_EQ(nameItems(), (QStringList{"Бета-училище", "Гимназия", "Гимназия", OldCollege}));
        EXPECT_EQ(names()->currentIndex(), 2) << code;
        EXPECT_EQ(period(), QStringLiteral("Период выдачи документов: с 01.01.1990 по 01.01.2100"))
            << "the period is that of the first entry of the name";
    }
}

TEST_F(SchoolLevelFormTest, TheYearOffersTheNamesInForceOnItsFirstOrLastDay) {
    open();
    const struct {
        QString year;
        QStringList names;
    } cases[] = {
        {"2005", {"Бета-училище", "Гимназия", "Гимназия", NewCollege, OldCollege}},
        {"2006", {"Бета-училище", "Гимназия", "Гимназия", NewCollege}},
        {"2004", {"Бета-училище", "Гимназия", "Гимназия", OldCollege}},
        // In force from 31 December: offered; from 1 January of the next year: not offered.
        {"2003", {"Бета-училище", "Гимназия", "Гимназия", OldCollege}},
        {"2002", {"Гимназия", "Гимназия", OldCollege}},
        {"2007", {"Бета-училище", "Гимназия", "Гимназия", NewCollege}},
        {"2008", {"Бета-лицей", "Гимназия", "Гимназия", NewCollege}},
        // Before 1991 every name, whatever its dates.
        {"1990", {"Бета-лицей", "Бета-училище", "Гимназия", "Гимназия", NewCollege, OldCollege}},
    };
    for (const auto& c : cases) {
        typeYear(c.year);
        EXPECT_EQ(nameItems(), c.names) << c.year.toStdString();
        EXPECT_EQ(names()->currentIndex(), 0) << c.year.toStdString();
    }
}

TEST_F(SchoolLevelFormTest, OnlyAFourCharacterYearRefreshesTheList) {
    open();
    typeYear("2006");
    const QStringList for2006 = nameItems();
    names()->setCurrentIndex(2);
    for (const QString partial : {"2", "20", "200"}) {
        typeYear(partial);
        EXPECT_EQ(nameItems(), for2006) << partial.toStdString();
        EXPECT_EQ(names()->currentIndex(), 2);
    }
    QTest::keyClicks(years(), "4");
    EXPECT_EQ(years()->currentText(), QStringLiteral("2004"));
    EXPECT_EQ(nameItems(), (QStringList{"Бета-училище", "Гимназия", "Гимназия", OldCollege}));
    EXPECT_EQ(names()->currentIndex(), 0);
    // Choosing an item of the year list refreshes too.
    years()->setCurrentIndex(years()->findText("2006"));
    EXPECT_EQ(nameItems(), for2006);
    // Four characters that are no number change nothing.
    typeYear("20x6");
    EXPECT_EQ(nameItems(), for2006);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(SchoolLevelFormTest, TheFilterOffersOnlyNamesValidTheWholeYear) {
    open();
    const struct {
        QString year;
        QString text;
        QStringList names;
    } cases[] = {
        {"2004", "", {"Бета-училище", "Гимназия", "Гимназия", OldCollege}},
        {"2005", "", {"Бета-училище", "Гимназия", "Гимназия"}},
        {"2006", "", {"Бета-училище", "Гимназия", "Гимназия", NewCollege}},
        {"2004", "Колледж", {OldCollege}},
        {"2005", "Колледж", {}},
        {"2006", "Колледж", {NewCollege}},
        {"2006", "колледж", {}},
        // Valid from 31.12.2003: not valid all of 2003.
        {"2003", "Бета", {}},
        {"1990", "Бета", {"Бета-лицей", "Бета-училище"}},
    };
    for (const auto& c : cases) {
        typeYear(c.year);
        const QString before = period();
        filter(c.text);
        const std::string label = c.year.toStdString() + " " + c.text.toStdString();
        EXPECT_EQ(nameItems(), c.names) << label;
        EXPECT_EQ(names()->currentIndex(), -1) << label;
        EXPECT_EQ(period(), before) << label;
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(SchoolLevelFormTest, ChoosingANameShowsItsPeriod) {
    refs.AttribYear = 2005;
    open();
    ASSERT_EQ(names()->currentText(), OldCollege);
    names()->setFocus();
    QTest::keyClick(names(), Qt::Key_Up);
    EXPECT_EQ(names()->currentText(), NewCollege);
    EXPECT_EQ(period(), QStringLiteral("Период выдачи документов: с 01.07.2005 по 01.01.2100"));
}

TEST_F(SchoolLevelFormTest, OkWritesTheFileSetsTheAttributesAndReinitialisesTheDocumentForm) {
    std::ofstream(referenceFilePath(folderPath(), "spec.xml")) << "";
    TEditDiplomForm documentForm(context);
    dialog = std::make_unique<TSchoolLevelForm>(
        context, [&] { documentForm.InitVariables(); }, nullptr, [] { return 2009; });
    dialog->setResult(-1);

    typeYear("1985");
    names()->setCurrentIndex(names()->findText(NewCollege));
    pressOk();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(refs.AttribYear, 1985);
    EXPECT_EQ(refs.AttribSchoolCode, 71);
    EXPECT_EQ(documentForm.fieldText(Stop), "1985");
    EXPECT_EQ(documentForm.fieldText(Create), "01.03.1985");
    EXPECT_EQ(documentForm.findChild<QLabel*>("SchoolNameLabel")->text(), NewCollege);

    QFile file(QString::fromStdString(attributesFile().string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), cp("<код учебного заведения по справочнику>\r\n71\r\n"
                                               "<актуальная год выдачи документов>\r\n1985\r\n"));
    // The next start raises the year to 1991.
    EXPECT_EQ(readAttributesFile(attributesFile()).year, 1991);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(SchoolLevelFormTest, OkSavesTheFirstCodeOfANameBorneTwice) {
    open();
    names()->setCurrentIndex(2); // the second "Гимназия"
    pressOk();
    EXPECT_EQ(refs.AttribSchoolCode, 50);
    EXPECT_EQ(saves, 1);
}

TEST_F(SchoolLevelFormTest, OkWithNoNameChosenKeepsTheInstitution) {
    open();
    typeYear("2005");
    filter("Колледж");
    ASSERT_EQ(names()->count(), 0);
    pressOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(refs.AttribSchoolCode, 70);
    EXPECT_EQ(refs.AttribYear, 2005);
    EXPECT_EQ(readAttributesFile(attributesFile()).schoolCode, 70);
    EXPECT_EQ(readAttributesFile(attributesFile()).year, 2005);
}

TEST_F(SchoolLevelFormTest, AYearThatIsNoNumberIsReportedBeforeAnythingIsWritten) {
    open();
    typeYear("20a5");
    pressOk();
    EXPECT_EQ(prompts.messages(), QStringList{"'20a5' is not a valid integer value"});
    EXPECT_EQ(dialog->result(), -1) << "the dialog stays open";
    EXPECT_FALSE(std::filesystem::exists(attributesFile()));
    EXPECT_EQ(refs.AttribYear, 2004);
    EXPECT_EQ(refs.AttribSchoolCode, 70);
    EXPECT_EQ(saves, 0);

    prompts.clear();
    filter("");
    EXPECT_EQ(prompts.messages(), QStringList{"'20a5' is not a valid integer value"});
    EXPECT_EQ(names()->count(), 0);
}

TEST_F(SchoolLevelFormTest, AFileThatCannotBeWrittenChangesNothing) {
    context.filesDir = folderPath() / "missing-folder";
    open();
    typeYear("2006");
    pressOk();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(dialog->result(), -1);
    EXPECT_EQ(refs.AttribYear, 2004);
    EXPECT_EQ(refs.AttribSchoolCode, 70);
    EXPECT_EQ(saves, 0);
}

TEST_F(SchoolLevelFormTest, CancelWritesNothing) {
    open();
    typeYear("2006");
    control<QPushButton>("SpeedButton2")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(attributesFile()));
    EXPECT_EQ(refs.AttribYear, 2004);
    EXPECT_EQ(saves, 0);
}

} // namespace
