#include "MainForm.h"

#include "AppContext.h"
#include "ApplicationTitle.h"
#include "Pictures.h"
#include "QtText.h"
#include "RegisterColumns.h"
#include "RegisterTableModel.h"
#include "core/Record.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace {

constexpr int FormWidth = 995;
constexpr int FormHeight = 531;
constexpr int ToolBarHeight = 39;
constexpr QSize ToolButtonSize(46, 38);
constexpr QSize ToolPictureSize(32, 32);
constexpr int SearchEditWidth = 181;
constexpr int CountPanelWidth = 150;

} // namespace

TMainForm::TMainForm(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx_(context) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(ApplicationTitle);
    // The toolbar is part of the window's design, not something to switch off.
    setContextMenuPolicy(Qt::NoContextMenu);

    createMenus();
    createToolBar();
    createRegisterTable();
    createStatusBar();
    bindCommandKeys();

    resize(FormWidth, FormHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TMainForm::~TMainForm() = default;

void TMainForm::bindCommandKeys() {
    const auto bindKey = [this](const char* objectName, const QKeySequence& key) {
        qobject_cast<QAction*>(commandObjects_.value(QString::fromLatin1(objectName)))
            ->setShortcut(key);
    };
    bindKey("NewIt", QKeySequence::New);
    bindKey("OpenIt", QKeySequence::Open);
    bindKey("SaveIt", QKeySequence::Save);
    bindKey("CloseIt", QKeySequence::Close);
    bindKey("AddIt", QKeySequence(Qt::Key_Insert));
    bindKey("EditIt", QKeySequence(Qt::Key_F2));
    bindKey("DelIt", QKeySequence(Qt::Key_Delete));
    // Enter (or a double click) on a row corrects its record, when correcting is available.
    QAction* edit = qobject_cast<QAction*>(commandObjects_.value(QStringLiteral("EditIt")));
    connect(treeList_, &QAbstractItemView::activated, edit, [edit] { edit->trigger(); });
}

void TMainForm::createMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* settings = addMenu(QStringLiteral("NastrIt"), QStringLiteral("Настройки"));
    addMenuItem(settings, QStringLiteral("SchoolIt"), QStringLiteral("Учреждение образования"),
                &TMainForm::SchoolItClick);
    addMenuItem(settings, QStringLiteral("N3"), QStringLiteral("Специальности и квалификации"),
                &TMainForm::N3Click);

    QMenu* file = addMenu(QStringLiteral("FileIt"), QStringLiteral("Файл"));
    addMenuItem(file, QStringLiteral("NewIt"), QStringLiteral("Новый"),
                &TMainForm::NewFileButtonClick);
    addMenuItem(file, QStringLiteral("OpenIt"), QStringLiteral("Открыть"),
                &TMainForm::OpenFileButtonClick);
    addMenuItem(file, QStringLiteral("ImportFromKalv"), QStringLiteral("Импорт данных из Kalv"),
                &TMainForm::ImportFromKalvClick)
        ->setVisible(false);
    addMenuItem(file, QStringLiteral("SaveIt"), QStringLiteral("Сохранить"),
                &TMainForm::SaveFileButtonClick);
    addMenuItem(file, QStringLiteral("CloseIt"), QStringLiteral("Закрыть"),
                &TMainForm::CloseItButtonClick);
    addMenuSeparator(file, QStringLiteral("N16"));
    // Printing has no report to print: the two items stay hidden and run nothing.
    addMenuItem(file, QStringLiteral("PreviewIt"), QStringLiteral("Предварительный просмотр"),
                nullptr)
        ->setVisible(false);
    addMenuItem(file, QStringLiteral("PrintIt"), QStringLiteral("Печать"), nullptr)
        ->setVisible(false);
    addMenuSeparator(file, QStringLiteral("N8"))->setVisible(false);
    addMenuItem(file, QStringLiteral("ExitIt"), QStringLiteral("Выход"),
                &TMainForm::CloseButtonClick);

    QMenu* records = addMenu(QStringLiteral("FormatIt"), QStringLiteral("Формирование"));
    addMenuItem(records, QStringLiteral("AddIt"), QStringLiteral("Добавить"),
                &TMainForm::AddRecordButtonClick);
    addMenuItem(records, QStringLiteral("EditIt"), QStringLiteral("Исправить"),
                &TMainForm::EditButtonClick);
    addMenuItem(records, QStringLiteral("DelIt"), QStringLiteral("Удалить"),
                &TMainForm::DeleteRecordButtonClick);

    QMenu* service = addMenu(QStringLiteral("ServisIt"), QStringLiteral("Сервис"));
    addMenuItem(service, QStringLiteral("StatIt"), QStringLiteral("Статистика"),
                &TMainForm::FileStatisticButtonClick);
    addMenuItem(service, QStringLiteral("ContactIt"), QStringLiteral("Объединение файлов"),
                &TMainForm::ContactFilesButtonClick)
        ->setToolTip(QStringLiteral("Объединение файлов"));
    addMenuItem(service, QStringLiteral("Export_to_XML"), QStringLiteral("Экспорт в XML"),
                &TMainForm::Export_to_XMLClick);

    QMenu* help = addMenu(QStringLiteral("HelpIt"), QStringLiteral("Справка"));
    addMenuItem(help, QStringLiteral("AboutIt"), QStringLiteral("О программе"),
                &TMainForm::AboutItClick);
    addMenuItem(help, QStringLiteral("N2"), QStringLiteral("Помощь"), &TMainForm::N2Click);
}

void TMainForm::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(ToolPictureSize);
    toolBar_->setFixedHeight(ToolBarHeight);
    toolBar_->setContentsMargins(0, 0, 0, 0);
    toolBar_->layout()->setSpacing(0);
    toolBar_->layout()->setContentsMargins(0, 0, 0, 0);

    addToolButton(QStringLiteral("NewFileButton"), QStringLiteral("Создать новый"), 0,
                  &TMainForm::NewFileButtonClick);
    addToolButton(QStringLiteral("OpenFileButton"), QStringLiteral("Открыть файл"), 1,
                  &TMainForm::OpenFileButtonClick);
    addToolButton(QStringLiteral("SaveFileButton"), QStringLiteral("Сохранить файл"), 2,
                  &TMainForm::SaveFileButtonClick);
    addToolButton(QStringLiteral("CloseItButton"), QStringLiteral("Закрыть файл"), 3,
                  &TMainForm::CloseItButtonClick);
    addToolDivider(QStringLiteral("ToolButton4"), 30);
    addToolButton(QStringLiteral("AddRecordButton"), QStringLiteral("Добавить новую запись"), 4,
                  &TMainForm::AddRecordButtonClick);
    addToolButton(QStringLiteral("DeleteRecordButton"), QStringLiteral("Удалить"), 5,
                  &TMainForm::DeleteRecordButtonClick);
    addToolButton(QStringLiteral("EditButton"), QStringLiteral("Исправить запись"), 6,
                  &TMainForm::EditButtonClick);
    addToolDivider(QStringLiteral("ToolButton1"), 30);
    addToolButton(QStringLiteral("ContactFilesButton"), QStringLiteral("Объединение файлов"), 7,
                  &TMainForm::ContactFilesButtonClick);
    addToolButton(QStringLiteral("FileStatisticButton"), QStringLiteral("Статистика по файлу"), 8,
                  &TMainForm::FileStatisticButtonClick);
    addToolDivider(QStringLiteral("ToolButton3"), 30);

    auto* searchPanel = new QWidget;
    searchPanel->setObjectName(QStringLiteral("Panel1"));
    searchPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* searchLayout = new QHBoxLayout(searchPanel);
    searchLayout->setContentsMargins(0, 0, 4, 0);
    auto* searchEdit = new QLineEdit(QStringLiteral("Диплом"));
    searchEdit->setObjectName(QStringLiteral("Edit1"));
    searchEdit->setFixedWidth(SearchEditWidth);
    searchLayout->addWidget(searchEdit, 0, Qt::AlignLeft | Qt::AlignVCenter);
    toolBar_->addWidget(searchPanel);

    addToolButton(QStringLiteral("SearchButton"), QStringLiteral("Поиск"), 9,
                  &TMainForm::SearchButtonClick);
    addToolDivider(QStringLiteral("ToolButton6"), 30);
    addToolButton(QStringLiteral("CloseButton"), QString(), 12, &TMainForm::CloseButtonClick);
    // Printing has no report to print: the two buttons stay hidden.
    addToolButton(QStringLiteral("PreViewButton"), QStringLiteral("Просмотр документа"), 10,
                  &TMainForm::PreViewButtonClick)
        ->setVisible(false);
    addToolButton(QStringLiteral("PrintButton"), QStringLiteral("Печать"), 11,
                  &TMainForm::PrintButtonClick)
        ->setVisible(false);
    addToolDivider(QStringLiteral("ToolButton2"), 26);
}

void TMainForm::createRegisterTable() {
    model_ = new RegisterTableModel(ctx_.reg, ctx_.refs, this);
    treeList_ = new QTreeView;
    treeList_->setObjectName(QStringLiteral("TreeList1"));
    treeList_->setModel(model_);
    treeList_->setRootIsDecorated(false);
    treeList_->setUniformRowHeights(true);
    treeList_->setItemsExpandable(false);
    treeList_->setAllColumnsShowFocus(true);
    treeList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    treeList_->setSelectionMode(QAbstractItemView::SingleSelection);
    treeList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(treeList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { TreeList1ChangeNode(current); });

    QHeaderView* header = treeList_->header();
    header->setSectionsMovable(true);
    header->setStretchLastSection(false);
    const auto& columns = registerColumns();
    for (int column = 0; column < svidary::RegisterColumnCount; ++column) {
        header->resizeSection(column, columns[static_cast<std::size_t>(column)].width);
    }
    header->setSortIndicator(InitialSortColumn, Qt::AscendingOrder);
    treeList_->setSortingEnabled(true);

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    auto* columnOptions =
        popupMenu_->addAction(columnVisibilityIcon(), QStringLiteral("Видимость столбцов"));
    columnOptions->setObjectName(QStringLiteral("ColumnViewOptions"));
    bindCommand(columnOptions, &TMainForm::ColumnViewOptionsClick);
    treeList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(treeList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        popupMenu_->popup(treeList_->viewport()->mapToGlobal(pos));
    });

    setCentralWidget(treeList_);
}

void TMainForm::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int panel = 0; panel < 2; ++panel) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusPanels_[panel] = label;
    }
    statusPanels_[0]->setFixedWidth(CountPanelWidth);
    bar->addWidget(statusPanels_[0]);
    bar->addWidget(statusPanels_[1], 1);
}

QMenu* TMainForm::addMenu(const QString& name, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QAction* TMainForm::addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                                Command command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (command != nullptr) {
        bindCommand(action, command);
    }
    commandObjects_.insert(name, action);
    return action;
}

QAction* TMainForm::addMenuSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QAction* TMainForm::addToolButton(const QString& name, const QString& hint, int picture,
                                  Command command) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(toolbarIcon(static_cast<ToolbarPicture>(picture)));
    button->setIconSize(ToolPictureSize);
    button->setFixedSize(ToolButtonSize);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this,
            [this, command] { runCommand([this, command] { (this->*command)(); }); });
    commandObjects_.insert(name, button);
    return toolBar_->addWidget(button);
}

void TMainForm::addToolDivider(const QString& name, int width) {
    auto* divider = new QFrame;
    divider->setObjectName(name);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setFixedSize(width, ToolButtonSize.height() - 8);
    toolBar_->addWidget(divider);
}

void TMainForm::bindCommand(QAction* action, Command command) {
    connect(action, &QAction::triggered, this,
            [this, command] { runCommand([this, command] { (this->*command)(); }); });
}

void TMainForm::applyColumnVisibility(const svidary::ColumnVisibility& visible) {
    for (int column = 0; column < svidary::RegisterColumnCount; ++column) {
        treeList_->setColumnHidden(column, !visible[static_cast<std::size_t>(column)]);
    }
}

svidary::ColumnVisibility TMainForm::columnVisibility() const {
    svidary::ColumnVisibility visible{};
    for (int column = 0; column < svidary::RegisterColumnCount; ++column) {
        visible[static_cast<std::size_t>(column)] = !treeList_->isColumnHidden(column);
    }
    return visible;
}

QString TMainForm::statusPanelText(int panel) const {
    return statusPanels_[panel]->text();
}

void TMainForm::setStatusPanelText(int panel, const QString& text) {
    statusPanels_[panel]->setText(text);
}

void TMainForm::updateWindowTitle() {
    if (!ctx_.reg.isOpen()) {
        setWindowTitle(ApplicationTitle);
        return;
    }
    const std::string baseName = svidary::FileBaseName(fromQt(pathToQt(ctx_.reg.CurrentFileName)));
    setWindowTitle(ApplicationTitle + QStringLiteral(" - \"") + toQt(baseName) +
                   QStringLiteral("\""));
}
