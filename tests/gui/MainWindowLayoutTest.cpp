#include "MainFormTestFixture.h"

#include "main/RegisterColumns.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

using namespace guitest;

namespace {

using MainWindowLayoutTest = MainFormTest;

struct MenuItem {
    const char* name;
    QString caption; // empty for a separator
    bool visible;
};

struct MenuCase {
    const char* name;
    QString title;
    std::vector<MenuItem> items;
};

TEST_F(MainWindowLayoutTest, MenusInOrderWithTheirItems) {
    const std::vector<MenuCase> menus = {
        {"NastrIt",
         QStringLiteral("Настройки"),
         {{"SchoolIt", QStringLiteral("Учреждение образования"), true},
          {"N3", QStringLiteral("Специальности и квалификации"), true}}},
        {"FileIt",
         QStringLiteral("Файл"),
         {{"NewIt", QStringLiteral("Новый"), true},
          {"OpenIt", QStringLiteral("Открыть"), true},
          {"ImportFromKalv", QStringLiteral("Импорт данных из Kalv"), false},
          {"SaveIt", QStringLiteral("Сохранить"), true},
          {"CloseIt", QStringLiteral("Закрыть"), true},
          {"N16", QString(), true},
          {"PreviewIt", QStringLiteral("Предварительный просмотр"), false},
          {"PrintIt", QStringLiteral("Печать"), false},
          {"N8", QString(), false},
          {"ExitIt", QStringLiteral("Выход"), true}}},
        {"FormatIt",
         QStringLiteral("Формирование"),
         {{"AddIt", QStringLiteral("Добавить"), true},
          {"EditIt", QStringLiteral("Исправить"), true},
          {"DelIt", QStringLiteral("Удалить"), true}}},
        {"ServisIt",
         QStringLiteral("Сервис"),
         {{"StatIt", QStringLiteral("Статистика"), true},
          {"ContactIt", QStringLiteral("Объединение файлов"), true},
          {"Export_to_XML", QStringLiteral("Экспорт в XML"), true}}},
        {"HelpIt",
         QStringLiteral("Справка"),
         {{"AboutIt", QStringLiteral("О программе"), true},
          {"N2", QStringLiteral("Помощь"), true}}},
    };

    const QList<QAction*> bar = form->menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(menus[m].name));
        EXPECT_EQ(menu->title(), menus[m].title);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(menus[m].items.size())) << menus[m].name;
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            const MenuItem& expected = menus[m].items[i];
            const QAction* item = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(item->objectName(), QString::fromLatin1(expected.name));
            EXPECT_EQ(item->isSeparator(), expected.caption.isEmpty()) << expected.name;
            EXPECT_EQ(item->text(), expected.caption) << expected.name;
            EXPECT_EQ(item->isVisible(), expected.visible) << expected.name;
        }
    }
}

struct ToolCase {
    const char* name;
    QString hint;
    bool visible;
};

TEST_F(MainWindowLayoutTest, ToolbarInOrderWithHints) {
    const std::vector<ToolCase> tools = {
        {"NewFileButton", QStringLiteral("Создать новый"), true},
        {"OpenFileButton", QStringLiteral("Открыть файл"), true},
        {"SaveFileButton", QStringLiteral("Сохранить файл"), true},
        {"CloseItButton", QStringLiteral("Закрыть файл"), true},
        {"ToolButton4", QString(), true},
        {"AddRecordButton", QStringLiteral("Добавить новую запись"), true},
        {"DeleteRecordButton", QStringLiteral("Удалить"), true},
        {"EditButton", QStringLiteral("Исправить запись"), true},
        {"ToolButton1", QString(), true},
        {"ContactFilesButton", QStringLiteral("Объединение файлов"), true},
        {"FileStatisticButton", QStringLiteral("Статистика по файлу"), true},
        {"ToolButton3", QString(), true},
        {"Panel1", QString(), true},
        {"SearchButton", QStringLiteral("Поиск"), true},
        {"ToolButton6", QString(), true},
        {"CloseButton", QString(), true},
        {"PreViewButton", QStringLiteral("Просмотр документа"), false},
        {"PrintButton", QStringLiteral("Печать"), false},
        {"ToolButton2", QString(), true},
    };
    form->show();
    const QToolBar* toolBar = form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    ASSERT_NE(toolBar, nullptr);
    const QList<QAction*> actions = toolBar->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(tools.size()));
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const QWidget* widget = toolBar->widgetForAction(actions[static_cast<qsizetype>(i)]);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(tools[i].name));
        EXPECT_EQ(widget->toolTip(), tools[i].hint) << tools[i].name;
        EXPECT_EQ(widget->isVisible(), tools[i].visible) << tools[i].name;
        if (const auto* button = qobject_cast<const QToolButton*>(widget)) {
            EXPECT_EQ(button->size(), QSize(46, 38)) << tools[i].name;
            EXPECT_FALSE(button->icon().isNull()) << tools[i].name;
        }
    }
    const QLineEdit* edit = form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("Диплом"));
    EXPECT_EQ(edit->width(), 181);
}

TEST_F(MainWindowLayoutTest, RegisterTableColumnsAndInitialSort) {
    const QTreeView* view = form->findChild<QTreeView*>(QStringLiteral("TreeList1"));
    ASSERT_EQ(view, &form->registerView());
    EXPECT_FALSE(view->rootIsDecorated());
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(view->isSortingEnabled());
    EXPECT_EQ(view->header()->sortIndicatorSection(), 5);
    EXPECT_EQ(view->header()->sortIndicatorOrder(), Qt::AscendingOrder);

    const QStringList captions = {
        "Рег.номер",     "Уровень",       "Документ",     "Фамилия",
        "Имя",           "Отчество",      "Пост.",        "Оконч.",
        "Дата вруч.",    "Серия",         "Номер",        "Личн.номер",
        "Специальность", "Специализация", "Квалификация", "Учебное заведение"};
    const int widths[] = {75, 55, 74, 72, 61, 70, 38, 41, 64, 41, 46, 66, 40, 54, 74, 74};
    ASSERT_EQ(view->model()->columnCount(), 16);
    for (int column = 0; column < 16; ++column) {
        EXPECT_EQ(view->model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
        EXPECT_EQ(view->header()->sectionSize(column), widths[column]) << column;
        EXPECT_EQ(registerColumnIndex(registerColumnName(column)), column);
    }
    EXPECT_EQ(registerColumnName(0), QStringLiteral("RegNo_TLColumn"));
    EXPECT_EQ(registerColumnIndex(QStringLiteral("SchoolName_TLColumn")), 15);
    EXPECT_EQ(registerColumnIndex(QStringLiteral("TreeList1")), -1);
    EXPECT_EQ(registerColumnName(16), QString());
}

TEST_F(MainWindowLayoutTest, RowsFollowTheSortAndTheSelectionFollowsItsRecord) {
    openRegister("/data/spring.diplom",
                 {recordLine("Петров", "Сергеевич"), recordLine("Адамов", "Андреевич"),
                  recordLine("Яковлев", "Борисович")});
    RegisterTableModel& model = form->registerModel();
    ASSERT_EQ(model.rowCount(), 3);
    // Sorted by the patronymic from the start.
    EXPECT_EQ(model.recordAt(0), 1U);
    EXPECT_EQ(model.recordAt(1), 2U);
    EXPECT_EQ(model.recordAt(2), 0U);
    EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral("Адамов"));

    QTreeView& view = form->registerView();
    view.setCurrentIndex(model.index(2, 0)); // Петров
    view.sortByColumn(3, Qt::DescendingOrder);
    EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral("Яковлев"));
    EXPECT_EQ(view.currentIndex().row(), 1);
    EXPECT_EQ(view.currentIndex().data().toString(), QStringLiteral("1"));
    EXPECT_EQ(model.recordAt(view.currentIndex().row()), 0U);

    // A later reset keeps the chosen sort.
    reg.DocList.push_back(recordLine("Белов", "Олегович"));
    model.reset();
    EXPECT_EQ(model.index(3, 3).data().toString(), QStringLiteral("Адамов"));
    EXPECT_EQ(model.index(2, 3).data().toString(), QStringLiteral("Белов"));
}

TEST_F(MainWindowLayoutTest, UserManualOpensWithTheDesktop) {
    form->findChild<QAction*>(QStringLiteral("N2"))->trigger();
    EXPECT_EQ(prompts.texts(QStringLiteral("desktop")),
              QStringList{QDir(QString::fromStdString(sampleFiles().string()))
                              .filePath(QStringLiteral("Инструкция.doc"))});
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(MainWindowLayoutTest, WindowSizeAndPopupMenu) {
    EXPECT_EQ(form->size(), QSize(995, 531));
    const QMenu* popup = form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions().front()->objectName(), QStringLiteral("ColumnViewOptions"));
    EXPECT_EQ(popup->actions().front()->text(), QStringLiteral("Видимость столбцов"));
    EXPECT_EQ(form->registerView().contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(MainWindowLayoutTest, ExitClosesTheWindow) {
    form->show();
    form->findChild<QAction*>(QStringLiteral("ExitIt"))->trigger();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
