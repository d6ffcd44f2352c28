#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/ReferenceData.h"
#include "core/RegisterState.h"
#include "main/AppContext.h"
#include "record/EditDiplomForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <string>
#include <vector>

using namespace svidary;

// Failed comparisons show the texts, not their bytes.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using test::cp;

// Types the text key by key, as a keyboard would: QTest's own keyClicks knows ASCII only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(ch.toUpper().unicode()),
                            QString(ch), Qt::NoModifier);
    }
}

// Thirteen document types, so that type 1 and type 12 both exist; two of them are duplicates
// and code 3 is left out of the file.
CodeList sampleTypes() {
    std::vector<std::string> names = {cp("Диплом"), cp("Дубликат диплома"), cp("Диплом с отличием"),
                                      ""};
    for (int code = 4; code <= 12; ++code) {
        names.push_back(cp("Тип ") + std::to_string(code));
    }
    names[11] = cp("Дубликат свидетельства");
    return CodeList(std::move(names));
}

// A form over small reference data of its own, a register and a specialty file in a
// temporary folder, shown and active so that focus moves can be watched.
class DocumentFormTest : public ::testing::Test {
protected:
    DocumentFormTest() {
        refs.DocTypeNames = sampleTypes();
        refs.LevelNames = CodeList({cp("Высшее"), cp("Среднее специальное")});
        refs.SchoolTable = Classifier({{25, 2, Date{1990, 9, 1}, cp("Колледж связи")}});
        refs.AttribSchoolCode = 25;
        refs.AttribYear = 2007;
        writeSpecialtyFile("K1-001~Экономика~Учёт~Экономист\r\n"
                           "K1-002~Экономика~Финансы~Финансист\r\n"
                           "K1-003~Экономика~Учёт~Бухгалтер\r\n"
                           "K1-004~Право~-~Юрист\r\n");
        form = std::make_unique<TEditDiplomForm>(context);
        showActive();
    }

    void showActive() {
        if (!form->isVisible()) {
            form->show();
        }
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void writeSpecialtyFile(std::string_view utf8) {
        QFile file(specialtyFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = cp(utf8);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    QString specialtyFile() const { return folder.filePath(QStringLiteral("VELTspec.xml")); }

    template <typename Widget> Widget* control(const char* name) {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QComboBox* list(const char* name) { return control<QComboBox>(name); }

    // Every field filled with a document that passes every check.
    void fillValidDocument() {
        form->setFieldText(DocType, "0");
        form->setFieldText(Level, "0");
        form->setFieldText(RegNum, "15");
        form->setFieldText(F, cp("Иванов"));
        form->setFieldText(I, cp("Иван"));
        form->setFieldText(O, cp("Иванович"));
        form->setFieldText(Ser, cp("АБ"));
        form->setFieldText(Num, "123");
        form->setFieldText(Create, "30.06.2007");
        form->setFieldText(Start, "2002");
        form->setFieldText(Stop, "2007");
        form->setFieldText(Pasp, cp("Не установлен"));
        form->setFieldText(Spec, cp("Экономика"));
        form->setFieldText(Spz, cp("Учёт"));
        form->setFieldText(Kw, cp("Экономист"));
    }

    // Presses OK; true when the form closed with OK, false when it stayed open.
    bool pressOk() {
        showActive();
        form->setResult(-1);
        control<QPushButton>("AddDiplomButton")->click();
        const bool accepted = form->result() == QDialog::Accepted;
        EXPECT_EQ(form->isVisible(), !accepted);
        return accepted;
    }

    QString focused() const {
        const QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QStringLiteral("(none)");
    }

    QStringList items(QComboBox* box) const {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i) {
            texts << box->itemText(i);
        }
        return texts;
    }

    QTemporaryDir folder;
    ReferenceData refs;
    RegisterState reg;
    ScriptedPrompts prompts;
    AppContext context{refs, reg, prompts, std::filesystem::path(folder.path().toStdString())};
    std::unique_ptr<TEditDiplomForm> form;
};

TEST(FilterNameChar, TakesTheNameCharactersOfTheCodePage) {
    int taken = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const char filtered = TEditDiplomForm::FilterNameChar(c);
        EXPECT_TRUE(filtered == c || filtered == '\0') << byte;
        taken += filtered == c && c != '\0' ? 1 : 0;
    }
    EXPECT_EQ(taken, 125);
    for (const auto* utf8 : {" ", "'", "-", "Z", "a", "А", "я", "Ё", "ё", "І", "і", "Ў", "ў"}) {
        EXPECT_NE(TEditDiplomForm::FilterNameChar(cp(utf8)[0]), '\0') << utf8;
    }
    for (const auto* utf8 : {"0", "9", ".", ",", "\t", "Ґ", "Є", "Ї", "№"}) {
        EXPECT_EQ(TEditDiplomForm::FilterNameChar(cp(utf8)[0]), '\0') << utf8;
    }
}

TEST_F(DocumentFormTest, InitVariablesFollowsTheReferenceDataAndTheAttributes) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Поля документа"));
    const auto* types = list("DType_CB");
    ASSERT_EQ(types->count(), 13);
    EXPECT_EQ(types->itemText(3), QString());
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_EQ(list("EduLevel_CB")->count(), 2);
    EXPECT_EQ(list("YearEnd_CB")->currentText(), QStringLiteral("2007"));
    EXPECT_EQ(list("YearBegin_CB")->currentText(), QStringLiteral("2002"));
    EXPECT_EQ(control<QDateEdit>("IssDate_C")->date(), QDate(2007, 3, 1));
    EXPECT_EQ(control<QLabel>("SchoolNameLabel")->text(), QStringLiteral("Колледж связи"));
    EXPECT_EQ(edit("PasportEdit")->text(), QStringLiteral("Не установлен"));

    // A second initialisation after new attributes leaves what was typed alone.
    form->setFieldText(F, cp("Петров"));
    form->setFieldText(Spec, cp("Своя"));
    form->setFieldText(DocType, "2");
    refs.AttribYear = 1985;
    refs.AttribSchoolCode = 99;
    form->InitVariables();
    EXPECT_EQ(list("DType_CB")->currentIndex(), 0);
    EXPECT_EQ(list("YearEnd_CB")->currentText(), QStringLiteral("1985"));
    EXPECT_EQ(list("YearBegin_CB")->currentText(), QStringLiteral("1980"));
    EXPECT_EQ(control<QDateEdit>("IssDate_C")->date(), QDate(1985, 3, 1));
    EXPECT_EQ(control<QLabel>("SchoolNameLabel")->text(), QStringLiteral("Нет в классификаторе."));
    EXPECT_EQ(edit("F_Edit")->text(), QStringLiteral("Петров"));
    EXPECT_EQ(list("SName_CB")->currentText(), QStringLiteral("Своя"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(DocumentFormTest, KeystrokesAreFilteredFieldByField) {
    const struct {
        const char* field;
        QString typed;
        QString result;
    } cases[] = {
        // Names: letters, space, apostrophe and hyphen only.
        {"F_Edit", QStringLiteral("Ив3ан.ов-Д'Арк,"), QStringLiteral("Иванов-Д'Арк")},
        {"I_Edit", QStringLiteral("Ёлка Ўі7"), QStringLiteral("Ёлка Ўі")},
        {"O_Edit", QStringLiteral("Ivan№ovich!"), QStringLiteral("Ivanovich")},
        // Series: anything, up to six characters.
        {"DSeria_Edit", QStringLiteral("AБ-1/23"), QStringLiteral("AБ-1/2")},
        // Number: digits, up to seven.
        {"DNum_Edit", QStringLiteral("12a3.4 5678"), QStringLiteral("1234567")},
        // Everything else: any character that Windows-1251 can hold.
        {"RegNo_Edit", QStringLiteral("№ 12/5-ä中€"), QStringLiteral("№ 12/5-€")},
        {"PasportEdit", QStringLiteral("3010190A001PB中"), QStringLiteral("3010190A001PB")},
        {"YearBegin_CB", QStringLiteral("2中00ä3"), QStringLiteral("2003")},
        {"SName_CB", QStringLiteral("Право中 (общее)"), QStringLiteral("Право (общее)")},
    };
    for (const auto& c : cases) {
        QWidget* widget = control<QWidget>(c.field);
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            box->setEditText(QString());
        } else {
            qobject_cast<QLineEdit*>(widget)->clear();
        }
        widget->setFocus();
        typeText(widget, c.typed);
        const QString text = qobject_cast<QComboBox*>(widget)
                                 ? qobject_cast<QComboBox*>(widget)->currentText()
                                 : qobject_cast<QLineEdit*>(widget)->text();
        EXPECT_EQ(text, c.result) << c.field;
    }
}

TEST_F(DocumentFormTest, BackspacePassesInFullFields) {
    auto* series = edit("DSeria_Edit");
    series->setFocus();
    typeText(series, QStringLiteral("ABCDEFG"));
    EXPECT_EQ(series->text(), QStringLiteral("ABCDEF"));
    QTest::keyClick(series, Qt::Key_Backspace);
    typeText(series, QStringLiteral("XY"));
    EXPECT_EQ(series->text(), QStringLiteral("ABCDEX"));

    // A longer stored number can be shortened, but not lengthened.
    auto* number = edit("DNum_Edit");
    form->setFieldText(Num, "123456789");
    number->setFocus();
    number->end(false);
    QTest::keyClick(number, Qt::Key_0);
    EXPECT_EQ(number->text(), QStringLiteral("123456789"));
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(number->text(), QStringLiteral("12345678"));
}

TEST_F(DocumentFormTest, PastingFollowsTheSameRules) {
    const struct {
        const char* field;
        QString pasted;
        bool taken;
    } cases[] = {
        {"DNum_Edit", QStringLiteral("12a"), false},
        {"DNum_Edit", QStringLiteral("0012345"), true},
        {"DNum_Edit", QStringLiteral("12345678"), false},
        {"F_Edit", QStringLiteral("Петров2"), false},
        {"F_Edit", QStringLiteral("Анна-Мария"), true},
        {"DSeria_Edit", QStringLiteral("ABCDEFG"), false},
        {"DSeria_Edit", QStringLiteral("AB 12"), true},
        {"RegNo_Edit", QStringLiteral("12中"), false},
        {"RegNo_Edit",
         QStringLiteral("12\x0F"
                        "3"),
         false},
        {"RegNo_Edit", QStringLiteral("№12"), true},
    };
    for (const auto& c : cases) {
        auto* field = edit(c.field);
        field->clear();
        QApplication::clipboard()->setText(c.pasted);
        field->paste();
        EXPECT_EQ(field->text(), c.taken ? c.pasted : QString())
            << c.field << " " << c.pasted.toStdString();
    }
}

TEST_F(DocumentFormTest, EnterWalksTheFieldsInItsOwnOrderAndTabInTheTabOrder) {
    const QStringList enterWalk = {"DType_CB",    "EduLevel_CB",
                                   "RegNo_Edit",  "F_Edit",
                                   "I_Edit",      "O_Edit",
                                   "DSeria_Edit", "DNum_Edit",
                                   "IssDate_C",   "YearBegin_CB",
                                   "YearEnd_CB",  "PasportEdit",
                                   "SName_CB",    "Specialization_CB",
                                   "Kw_CB",       "AddDiplomButton"};
    form->setResult(-1);
    control<QWidget>("DType_CB")->setFocus();
    QStringList walked = {focused()};
    for (int i = 1; i < enterWalk.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked << focused();
    }
    EXPECT_EQ(walked, enterWalk);
    EXPECT_EQ(form->result(), -1) << "Enter in a field must not press OK";
    EXPECT_TRUE(prompts.messages().isEmpty());

    const QStringList tabWalk = {
        "DType_CB",        "EduLevel_CB", "RegNo_Edit",        "F_Edit",    "I_Edit",
        "O_Edit",          "DSeria_Edit", "DNum_Edit",         "IssDate_C", "YearBegin_CB",
        "YearEnd_CB",      "SName_CB",    "Specialization_CB", "Kw_CB",     "PasportEdit",
        "AddDiplomButton", "CancelButton"};
    control<QWidget>("DType_CB")->setFocus();
    walked = QStringList{focused()};
    for (int i = 1; i < tabWalk.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focused();
    }
    EXPECT_EQ(walked, tabWalk);
}

TEST_F(DocumentFormTest, EnterIsNotTypedIntoTheField) {
    auto* series = edit("DSeria_Edit");
    series->clear();
    series->setFocus();
    typeText(series, QStringLiteral("AB"));
    QTest::keyClick(series, Qt::Key_Enter);
    EXPECT_EQ(series->text(), QStringLiteral("AB"));
    EXPECT_EQ(focused(), QStringLiteral("DNum_Edit"));
}

TEST_F(DocumentFormTest, NamesAreNormalisedWhenTheFieldIsLeft) {
    const struct {
        QString typed;
        QString result;
    } cases[] = {
        {QStringLiteral("пЕТРОВ"), QStringLiteral("Петров")},
        {QStringLiteral("ИВАНОВА-ПЕТРОВА"), QStringLiteral("Иванова-петрова")},
        {QStringLiteral("ёЛКИН"), QStringLiteral("Ёлкин")},
        {QStringLiteral("ўЛАД іВАН"), QStringLiteral("Ўлад іван")},
        {QStringLiteral(" аНЯ"), QStringLiteral(" аня")},
        {QString(), QString()},
    };
    for (const char* name : {"F_Edit", "I_Edit", "O_Edit"}) {
        for (const auto& c : cases) {
            auto* field = edit(name);
            field->clear();
            field->setFocus();
            typeText(field, c.typed);
            QTest::keyClick(field, Qt::Key_Return); // moves on, so the field is left
            EXPECT_NE(focused(), QString::fromLatin1(name));
            EXPECT_EQ(field->text(), c.result) << name << " " << c.typed.toStdString();
        }
    }
}

TEST_F(DocumentFormTest, AValidDocumentClosesTheFormWithOk) {
    fillValidDocument();
    EXPECT_TRUE(pressOk());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(DocumentFormTest, AnEmptyRequiredTextIsRefusedSilently) {
    const QStringList required = {
        "DType_CB",    "EduLevel_CB", "RegNo_Edit",        "F_Edit",       "I_Edit",
        "O_Edit",      "DSeria_Edit", "DNum_Edit",         "YearBegin_CB", "YearEnd_CB",
        "PasportEdit", "SName_CB",    "Specialization_CB", "Kw_CB"};
    for (const QString& name : required) {
        fillValidDocument();
        QWidget* widget = control<QWidget>(name.toLatin1().constData());
        if (name == "DType_CB") {
            form->setFieldText(DocType, "3"); // the type the file leaves out
        } else if (name == "EduLevel_CB") {
            form->setFieldText(Level, "7"); // no such level: nothing selected
        } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
            box->setEditText(QString());
        } else {
            qobject_cast<QLineEdit*>(widget)->clear();
        }
        control<QWidget>("RegNo_Edit")->setFocus();
        EXPECT_FALSE(pressOk()) << name.toStdString();
        EXPECT_EQ(focused(), QStringLiteral("RegNo_Edit")) << name.toStdString();
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(DocumentFormTest, YearsAndIssueDateAreCheckedUnlessDuplicateOrEarly) {
    const QString endBeforeBegin =
        QStringLiteral("Дата окончания должна быть больше даты начала обучения ");
    const QString issuedTooEarly =
        QStringLiteral("Дата выдачи диплома должна быть больше даты окончания");
    const struct {
        const char* type;
        const char* begin;
        const char* end;
        const char* issued;
        QString message; // empty: accepted
    } cases[] = {
        {"0", "2005", "2004", "30.06.2007", endBeforeBegin},
        {"0", "2005", "2005", "30.06.2005", {}},
        {"0", "2002", "2007", "31.12.2006", issuedTooEarly},
        {"0", "2002", "2007", "01.01.2007", {}},
        // Both messages apply; the years come first.
        {"0", "2008", "2007", "31.12.2006", endBeforeBegin},
        // Any type whose name contains "Дубликат" is not checked.
        {"1", "2005", "2004", "30.06.2000", {}},
        {"11", "2005", "2004", "30.06.2000", {}},
        // A begin year before 1986, an end year before 1991, or a year that is no number
        // switch the checks off.
        {"0", "1985", "1984", "30.06.1980", {}},
        {"0", "1986", "1990", "30.06.1980", {}},
        {"0", "-", "2007", "30.06.2000", {}},
        {"0", "2002", "-", "30.06.2000", {}},
        {"0", "1986", "1991", "30.06.1990", issuedTooEarly},
    };
    for (const auto& c : cases) {
        fillValidDocument();
        form->setFieldText(DocType, c.type);
        form->setFieldText(Start, c.begin);
        form->setFieldText(Stop, c.end);
        form->setFieldText(Create, c.issued);
        control<QWidget>("RegNo_Edit")->setFocus();
        prompts.clear();
        const bool accepted = pressOk();
        const std::string label =
            std::string(c.type) + " " + c.begin + " " + c.end + " " + c.issued;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(accepted) << label;
            EXPECT_TRUE(prompts.messages().isEmpty()) << label;
        } else {
            EXPECT_FALSE(accepted) << label;
            EXPECT_EQ(prompts.messages(), QStringList{c.message}) << label;
            EXPECT_EQ(focused(), QStringLiteral("YearEnd_CB")) << label;
        }
    }
}

TEST_F(DocumentFormTest, NumberMustBeNumericAndLosesItsLeadingZeros) {
    fillValidDocument();
    form->setFieldText(Ser, "ab");
    // A stored number from another source can hold anything.
    form->setFieldText(Num, "12a");
    EXPECT_FALSE(pressOk());
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("Номер документа должен быть числовым значением!")});
    EXPECT_EQ(focused(), QStringLiteral("DNum_Edit"));
    EXPECT_EQ(form->fieldText(Ser), "AB") << "the series is upper-cased before the number check";

    prompts.clear();
    edit("DNum_Edit")->clear();
    typeText(edit("DNum_Edit"), QStringLiteral("0012345"));
    EXPECT_TRUE(pressOk());
    EXPECT_EQ(form->fieldText(Num), "12345");
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(DocumentFormTest, DuplicatesAreFoundAgainstShortAndLongKeys) {
    const QString duplicate =
        QStringLiteral("Документ такого типа с таким номером и серией уже присутствует в списке");
    const struct {
        std::vector<std::string> keys;
        const char* type;
        std::string series;
        const char* number;
        bool refused;
    } cases[] = {
        {{cp("0АБ~123")}, "0", cp("АБ"), "123", true},
        {{cp("5ВГ~1"), cp("0АБ~123~~25")}, "0", cp("АБ"), "123", true},
        // The series is upper-cased first, so ab and AB are one series.
        {{cp("0АБ~123~~40")}, "0", cp("аб"), "123", true},
        {{"0AB~12345"}, "0", "AB", "0012345", true},
        {{cp("0АБ~1234~~25"), cp("0АБ~12")}, "0", cp("АБ"), "123", false},
        {{cp("2АБ~123~~25")}, "0", cp("АБ"), "123", false},
        // Type code and series run together: type 1 with 2АБ is type 12 with АБ.
        {{cp("12АБ~5~~25")}, "1", cp("2АБ"), "5", true},
        {{cp("12АБ~5")}, "12", cp("АБ"), "5", true},
        {{}, "0", cp("АБ"), "123", false},
    };
    reg.DocListsExist = true;
    for (const auto& c : cases) {
        fillValidDocument();
        reg.DocKeys = c.keys;
        form->setFieldText(DocType, c.type);
        form->setFieldText(Ser, c.series);
        form->setFieldText(Num, c.number);
        control<QWidget>("RegNo_Edit")->setFocus();
        prompts.clear();
        const bool accepted = pressOk();
        EXPECT_EQ(accepted, !c.refused) << c.type << " " << c.number;
        if (c.refused) {
            EXPECT_EQ(prompts.messages(), QStringList{duplicate});
            EXPECT_EQ(focused(), QStringLiteral("DNum_Edit"));
        }
    }

    // Without the register's key lists there is nothing to compare with.
    reg.DocListsExist = false;
    reg.DocKeys = {cp("0АБ~123")};
    fillValidDocument();
    EXPECT_TRUE(pressOk());
}

TEST_F(DocumentFormTest, CorrectingKeepsItsOwnKeyButNotAnotherRecords) {
    reg.DocListsExist = true;
    reg.DocKeys = {cp("0АБ~123~~25"), cp("0АБ~124~~25")};
    form->OldDocType = 0;
    form->OldSeria = cp("АБ");
    form->OldNum = "123";

    fillValidDocument();
    form->setFieldText(Num, "0123");
    EXPECT_TRUE(pressOk()) << "the record's own key, written differently, is unchanged";

    fillValidDocument();
    form->setFieldText(Num, "124");
    EXPECT_FALSE(pressOk());
    EXPECT_EQ(prompts.messages().size(), 1);

    // Another type with the same series and number is another key, and it is free.
    fillValidDocument();
    form->setFieldText(DocType, "2");
    prompts.clear();
    EXPECT_TRUE(pressOk());
}

TEST_F(DocumentFormTest, SpecialtyListsFollowTheChoices) {
    auto* specialty = list("SName_CB");
    auto* specialisation = list("Specialization_CB");
    auto* qualification = list("Kw_CB");
    EXPECT_EQ(items(specialty), (QStringList{"Право", "Экономика"}));
    EXPECT_EQ(items(specialisation), (QStringList{"-", "Учёт", "Финансы"}));
    EXPECT_EQ(items(qualification), (QStringList{"Бухгалтер", "Финансист", "Экономист", "Юрист"}));

    // Choosing Экономика (the second entry) from the keyboard refilters the other two lists.
    specialty->setCurrentIndex(0);
    specialty->setFocus();
    QTest::keyClick(specialty, Qt::Key_Down);
    EXPECT_EQ(specialty->currentText(), QStringLiteral("Экономика"));
    EXPECT_EQ(items(specialisation), (QStringList{"Учёт", "Финансы"}));
    EXPECT_EQ(specialisation->currentText(), QString()) << "two entries: none selected";
    EXPECT_EQ(items(qualification), (QStringList{"Бухгалтер", "Финансист", "Экономист"}));
    EXPECT_EQ(qualification->currentText(), QString());

    // Choosing Учёт leaves its two qualifications, none selected; Финансы leaves one, selected.
    specialisation->setFocus();
    QTest::keyClick(specialisation, Qt::Key_Down);
    EXPECT_EQ(specialisation->currentText(), QStringLiteral("Учёт"));
    EXPECT_EQ(items(qualification), (QStringList{"Бухгалтер", "Экономист"}));
    EXPECT_EQ(qualification->currentText(), QString());
    QTest::keyClick(specialisation, Qt::Key_Down);
    EXPECT_EQ(items(qualification), (QStringList{"Финансист"}));
    EXPECT_EQ(qualification->currentText(), QStringLiteral("Финансист"));

    // Право has one specialisation and one qualification: both are selected.
    QTest::keyClick(specialty, Qt::Key_Up);
    EXPECT_EQ(specialty->currentText(), QStringLiteral("Право"));
    EXPECT_EQ(specialisation->currentText(), QStringLiteral("-"));
    EXPECT_EQ(qualification->currentText(), QStringLiteral("Юрист"));

    // Typing does not refilter; a full refill keeps the typed texts.
    specialty->setEditText(QString());
    typeText(specialty, QStringLiteral("Экономика"));
    EXPECT_EQ(items(specialisation), (QStringList{"-"}));
    form->SetComboBoxes(0);
    EXPECT_EQ(items(specialisation), (QStringList{"-", "Учёт", "Финансы"}));
    EXPECT_EQ(specialty->currentText(), QStringLiteral("Экономика"));
    EXPECT_EQ(specialisation->currentText(), QStringLiteral("-"));
    EXPECT_EQ(qualification->currentText(), QStringLiteral("Юрист"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

// Leaving a list whose text equals one of its entries is no choice: a corrected record's
// specialty, specialisation and qualification survive walking through them.
TEST_F(DocumentFormTest, LeavingASpecialtyListRefiltersNothing) {
    const QStringList allSpecialisations = {"-", "Учёт", "Финансы"};
    const QStringList allQualifications = {"Бухгалтер", "Финансист", "Экономист", "Юрист"};
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        fillValidDocument();
        list("SName_CB")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_EQ(focused(), QStringLiteral("Specialization_CB"));
        QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_EQ(focused(), QStringLiteral("Kw_CB"));
        QTest::keyClick(QApplication::focusWidget(), key);

        EXPECT_EQ(items(list("Specialization_CB")), allSpecialisations);
        EXPECT_EQ(items(list("Kw_CB")), allQualifications);
        EXPECT_EQ(form->fieldText(Spec), cp("Экономика"));
        EXPECT_EQ(form->fieldText(Spz), cp("Учёт"));
        EXPECT_EQ(form->fieldText(Kw), cp("Экономист"));
    }

    // A specialty typed in full and left is no choice either.
    auto* specialty = list("SName_CB");
    specialty->setEditText(QString());
    specialty->setFocus();
    typeText(specialty, QStringLiteral("Право"));
    QTest::keyClick(specialty, Qt::Key_Return);
    EXPECT_EQ(items(list("Specialization_CB")), allSpecialisations);
    EXPECT_EQ(form->fieldText(Spz), cp("Учёт"));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(DocumentFormTest, AnEmptySpecialtyFileEmptiesTheListsAndAMissingOneKeepsThem) {
    writeSpecialtyFile("");
    form->SetComboBoxes(0);
    EXPECT_EQ(list("SName_CB")->count(), 0);
    EXPECT_EQ(list("Kw_CB")->count(), 0);
    EXPECT_TRUE(prompts.messages().isEmpty());

    writeSpecialtyFile("K1-001~Экономика~Учёт~Экономист\r\n");
    form->SetComboBoxes(0);
    ASSERT_TRUE(QFile::remove(specialtyFile()));
    form->SetComboBoxes(0);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("VELTspec.xml")));
    EXPECT_EQ(items(list("SName_CB")), QStringList{QStringLiteral("Экономика")});

    // The form stays usable.
    fillValidDocument();
    EXPECT_TRUE(pressOk());
}

TEST_F(DocumentFormTest, FieldsAreReadAndSetAsRecordTexts) {
    fillValidDocument();
    form->setFieldText(Level, "1");
    form->setFieldText(DocType, "12");
    const struct {
        FieldIndex field;
        std::string text;
    } expected[] = {
        {RegNum, "15"},
        {Level, "1"},
        {DocType, "12"},
        {F, cp("Иванов")},
        {I, cp("Иван")},
        {O, cp("Иванович")},
        {Start, "2002"},
        {Stop, "2007"},
        {Create, "30.06.2007"},
        {Ser, cp("АБ")},
        {Num, "123"},
        {Pasp, cp("Не установлен")},
        {Spec, cp("Экономика")},
        {Spz, cp("Учёт")},
        {Kw, cp("Экономист")},
        {School, ""},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(form->fieldText(e.field), e.text) << e.field;
    }

    form->setFieldText(Create, "1.2.2003");
    EXPECT_EQ(form->fieldText(Create), "01.02.2003");
    EXPECT_THROW(form->setFieldText(Create, "-"), ConversionError);
    EXPECT_EQ(form->fieldText(Create), "01.02.2003");
    EXPECT_THROW(form->setFieldText(DocType, "x"), ConversionError);
    EXPECT_EQ(form->fieldText(DocType), "12");
    form->setFieldText(DocType, "13");
    EXPECT_EQ(form->fieldText(DocType), "-1");
    form->setFieldText(Level, "-1");
    EXPECT_EQ(form->fieldText(Level), "-1");

    form->setSchoolName(cp("Другое училище"));
    EXPECT_EQ(control<QLabel>("SchoolNameLabel")->text(), QStringLiteral("Другое училище"));
}

TEST_F(DocumentFormTest, CancelAndEscapeCloseWithoutOk) {
    fillValidDocument();
    form->setResult(-1);
    control<QPushButton>("CancelButton")->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);

    showActive();
    form->setResult(-1);
    edit("F_Edit")->setFocus();
    QTest::keyClick(edit("F_Edit"), Qt::Key_Escape);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
