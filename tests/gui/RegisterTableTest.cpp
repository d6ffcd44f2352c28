#include "RegisterWindowFixture.h"

#include "core/RegisterCells.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using namespace guitest;

namespace {

// The small register open through the Open command; rows shown by patronymic:
// 0 Сиваков, 1 Иванов, 2 Козлов, 3 Петров.
class RegisterTableTest : public RegisterWindowTest {
protected:
    void SetUp() override {
        RegisterWindowTest::SetUp();
        path_ = writeRegister(QStringLiteral("spring.diplom"), SmallRegister);
        ASSERT_TRUE(openThroughCommand(path_));
    }

    void reopen() {
        ASSERT_TRUE(form->runCommand([this] { form->CloseItButtonClick(); }));
        ASSERT_TRUE(openThroughCommand(path_));
    }

    // Keys typed into the table, one character after another.
    void type(const QString& text) {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(&table(), &press);
        }
    }

    void clickHeader(int section) {
        QHeaderView* header = table().header();
        const QPoint centre(header->sectionViewportPosition(section) +
                                header->sectionSize(section) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    // Runs the search for the text; gives the focused row afterwards, -1 for none.
    int search(const QString& text) {
        form->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text);
        EXPECT_TRUE(form->runCommand([this] { form->SearchButtonClick(); }));
        const QModelIndex current = table().currentIndex();
        return current.isValid() ? current.row() : -1;
    }

    QString path_;
};

TEST_F(RegisterTableTest, HeaderClicksSortAscendingThenDescending) {
    table().setCurrentIndex(table().model()->index(3, 0)); // Петров
    clickHeader(svidary::FColumn);
    EXPECT_EQ(column(3), (QStringList{"Иванов", "Козлов", "Петров", "Сиваков"}));
    EXPECT_EQ(cell(table().currentIndex().row(), 3), QStringLiteral("Петров"));

    clickHeader(svidary::FColumn);
    EXPECT_EQ(column(3), (QStringList{"Сиваков", "Петров", "Козлов", "Иванов"}));
    EXPECT_EQ(cell(table().currentIndex().row(), 3), QStringLiteral("Петров"));

    // A column clicked for the first time sorts ascending, whatever the order before; names,
    // not codes, are sorted.
    clickHeader(svidary::EduLevelColumn);
    EXPECT_EQ(column(1), (QStringList{"Высшее", "Послевузовское", "Профессионально-техническое",
                                      "Среднее специальное"}));

    // The order stays in force when the register is shown anew.
    reopen();
    EXPECT_EQ(column(1), (QStringList{"Высшее", "Послевузовское", "Профессионально-техническое",
                                      "Среднее специальное"}));
}

TEST_F(RegisterTableTest, FocusedRowIsShownInTheStatusBar) {
    table().setCurrentIndex(table().model()->index(2, 4));
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Выбрана запись 3"));
    table().setCurrentIndex(table().model()->index(0, 0));
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Выбрана запись 1"));
}

TEST_F(RegisterTableTest, TypingJumpsToARowByTheShownText) {
    table().setCurrentIndex(table().model()->index(0, svidary::FColumn));
    type(QStringLiteral("Коз"));
    EXPECT_EQ(table().currentIndex().row(), 2);

    // Level names, not their codes.
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    table().setCurrentIndex(table().model()->index(0, svidary::EduLevelColumn));
    type(QStringLiteral("Выс"));
    EXPECT_EQ(table().currentIndex().row(), 1);
}

TEST_F(RegisterTableTest, SearchStepsThroughMatchesAndWraps) {
    // «ива» is in Сиваков and Иванов (and in no other visible cell).
    EXPECT_EQ(search(QStringLiteral("ива")), 0);
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Выбрана запись 1"));
    EXPECT_EQ(form->focusWidget(), &table());
    EXPECT_EQ(search(QStringLiteral("ива")), 1);
    EXPECT_EQ(cell(1, 3), QStringLiteral("Иванов"));
    EXPECT_EQ(search(QStringLiteral("ИВА")), 0);

    // Shown texts count, names included, letter case ignored.
    EXPECT_EQ(search(QStringLiteral("не УСТАНОВЛЕН")), 1);
    EXPECT_EQ(search(QStringLiteral("приречный")), 0);
}

TEST_F(RegisterTableTest, SearchPositionOutlivesCloseAndOpen) {
    EXPECT_EQ(search(QStringLiteral("ива")), 0);
    reopen();
    EXPECT_EQ(search(QStringLiteral("ива")), 1);
}

TEST_F(RegisterTableTest, SearchLooksOnlyAtVisibleColumns) {
    svidary::ColumnVisibility visible = form->columnVisibility();
    visible[svidary::FColumn] = false;
    form->applyColumnVisibility(visible);

    EXPECT_EQ(search(QStringLiteral("Олегович")), 2);
    // The surname is hidden: nothing found, the focus stays, and the next search begins at
    // the top (series АБ is in rows 1 and 3).
    EXPECT_EQ(search(QStringLiteral("Сиваков")), 2);
    EXPECT_EQ(search(QStringLiteral("АБ")), 1);
}

TEST_F(RegisterTableTest, EmptySearchTextFindsNothing) {
    table().setCurrentIndex(table().model()->index(2, 0));
    EXPECT_EQ(search(QString()), 2);
}

} // namespace

// A register large enough that its sort runs beside the window's thread: the rows still come out
// in order, and the focused row follows its record.
TEST_F(RegisterWindowTest, LargeRegisterSortsBesideTheWindowAndKeepsTheFocusedRecord) {
    std::vector<std::string> lines;
    constexpr int Records = 30000;
    for (int i = 0; i < Records; ++i) {
        // Surnames in an order unlike the file order: 7919 is prime to the count.
        const std::string surname = "Фамилия" + std::to_string(100000 + (i * 7919) % Records);
        lines.push_back(svidary::test::recordLine(
            {std::to_string(i + 1), "0", "0", surname, "Иван", "Иванович", "2005", "2009",
             "30.06.2009", "АБ", std::to_string(1000000 + i), "-", "", "", "", "105"}));
    }
    ASSERT_TRUE(openThroughCommand(writeRegister(QStringLiteral("large.diplom"), lines)));
    ASSERT_EQ(table().model()->rowCount(), Records);

    const QString focused = cell(1234, svidary::FColumn);
    table().setCurrentIndex(table().model()->index(1234, 0));
    table().sortByColumn(svidary::FColumn, Qt::DescendingOrder);

    const QStringList surnames = column(svidary::FColumn);
    for (int row = 1; row < surnames.size(); ++row) {
        ASSERT_GT(surnames[row - 1], surnames[row]) << "row " << row;
    }
    EXPECT_EQ(cell(table().currentIndex().row(), svidary::FColumn), focused);
}
