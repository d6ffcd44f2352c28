#pragma once

#include "core/Progress.h"
#include "core/ReferenceFiles.h"

#include <QHash>
#include <QMainWindow>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct AppContext;
class QAction;
class QLabel;
class QMenu;
class QModelIndex;
class QToolBar;
class QToolButton;
class QTreeView;
class RegisterTableModel;
class TEditDiplomForm;
class TWaitForm;

// The main window: menu bar, toolbar with the search box, the register table and the status bar.
// Every command starts here and runs through the general error handler (runCommand).
//
// The code is split by concern: MainFormLayout.cpp builds the window, MainFormStartup.cpp runs
// the start of the process, MainFormCommands.cpp holds the command states, the busy guard and
// the commands of the window itself, MainFormRegisterTable.cpp the table's redraw and focused
// row, MainFormFileCommands.cpp New, Open, Save and Close, MainFormSearch.cpp the search,
// MainFormPendingCommands.cpp the commands still to be built.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Exit code of a start that ends before the window appears because a levels, types or
    // classifier file is missing (the user has been told which).
    static constexpr int ExitMissingReferenceFile = 0;
    // Exit code of a start that ends because a reference file could not be read.
    static constexpr int ExitBrokenReferenceFile = 1;

    explicit TMainForm(AppContext& context, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The start of the process, in order: the About window (modal), the reference data, the
    // command states; then the progress window and the document form; then the window is shown.
    // Gives the exit code when the process must end before the window appears.
    std::optional<int> startUp();

    AppContext& context() { return ctx_; }

    // The register table. Rows are counted in the model; the view is TreeList1.
    RegisterTableModel& registerModel() { return *model_; }
    QTreeView& registerView() { return *treeList_; }
    void applyColumnVisibility(const svidary::ColumnVisibility& visible);
    svidary::ColumnVisibility columnVisibility() const;

    // The redraw of the register table: school codes corrected in DocList, the keys rebuilt, the
    // rows shown anew with the record count, and the duplicate report "Error.txt" in the working
    // folder written and shown, or removed when there are no duplicates.
    void DrawDiplomsList_dotDiplot();

    // The folder in which New creates its file: the folder of the executable unless it was set
    // to another one (tests point it at a scratch folder).
    QString newRegisterFolder() const;
    void setNewRegisterFolder(const QString& folder);

    // Status bar panels: 0 "Записей: N", 1 "Выбрана запись N".
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString& text);

    // "Свидарий" without a register, "Свидарий - \"BASE\"" with one; run after CurrentFileName
    // changes.
    void updateWindowTitle();

    // Enables and disables the commands by the register's state: no register; open without
    // rows; open with rows (rows counted in the table).
    void ShowActiveButton();

    // The progress window; it exists once startUp() has created it.
    void ShowWait(const QString& caption);
    void HideWait();
    svidary::ProgressCallback waitProgress();
    TWaitForm& waitForm() { return *waitForm_; }

    // The document form of the add and edit commands (MainFormRecordCommands.cpp), created
    // hidden at start-up; a window that was not started creates it on first use.
    TEditDiplomForm& documentForm();

    // Makes every command unavailable while a long operation runs, for as long as it lives;
    // afterwards ShowActiveButton sets the states again. Guards may nest.
    class BusyGuard {
    public:
        explicit BusyGuard(TMainForm& form);
        ~BusyGuard();
        BusyGuard(const BusyGuard&) = delete;
        BusyGuard& operator=(const BusyGuard&) = delete;

    private:
        TMainForm& form_;
    };
    bool isBusy() const { return busyDepth_ > 0; }

    // Runs a command through the general error handler: an exception is shown and the program
    // goes on. Refused while a long operation runs. Gives false when the command did not end
    // normally.
    bool runCommand(const std::function<void()>& command);

    // Commands of the window. Menu items and toolbar buttons run them through runCommand.
    void NewFileButtonClick();
    void OpenFileButtonClick();
    void SaveFileButtonClick();
    void CloseItButtonClick();
    void AddRecordButtonClick();
    void DeleteRecordButtonClick();
    void EditButtonClick();
    void ContactFilesButtonClick();
    void FileStatisticButtonClick();
    void SearchButtonClick();
    void CloseButtonClick();
    void PreViewButtonClick();
    void PrintButtonClick();
    void ImportFromKalvClick();
    void Export_to_XMLClick();
    void SchoolItClick();
    void N3Click();
    void AboutItClick();
    void N2Click();
    void ColumnViewOptionsClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Command = void (TMainForm::*)();

    // Window layout (MainFormLayout.cpp).
    void createMenus();
    void createToolBar();
    void createRegisterTable();
    void createStatusBar();
    QMenu* addMenu(const QString& name, const QString& title);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, Command command);
    QAction* addMenuSeparator(QMenu* menu, const QString& name);
    QAction* addToolButton(const QString& name, const QString& hint, int picture, Command command);
    void addToolDivider(const QString& name, int width);
    void bindCommand(QAction* action, Command command);
    // Keyboard shortcuts of the menu commands, so that a register can be kept without a mouse.
    void bindCommandKeys();
    void setCommandsAvailable(bool available);

    // Start-up (MainFormStartup.cpp).
    std::optional<int> FormCreate();
    void FormClose();
    // The institution attributes dialog: opened at start-up when the attributes file is missing
    // and by the settings menu. Its OK re-initialises the document form once that exists.
    void openAttributesDialog();
    // The document form, created hidden after the progress window, with the keys of the record
    // commands.
    void createDocumentForm();

    // Register table (MainFormRegisterTable.cpp).
    void TreeList1ChangeNode(const QModelIndex& current);
    // After a redraw of DocList: its rows and the duplicate report (written, then shown or
    // removed; an empty register leaves the report untouched).
    void showRedrawnRegister(const std::vector<std::string>& duplicateLines);
    // The rows shown anew from DocList and the record count in status panel 0.
    void showRegisterRows();
    // A kept duplicate report is opened with the desktop's program for text files.
    void showDuplicateReport(bool kept, const QString& reportFile);

    AppContext& ctx_;
    RegisterTableModel* model_ = nullptr;
    QTreeView* treeList_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    TWaitForm* waitForm_ = nullptr;
    TEditDiplomForm* editDiplomForm_ = nullptr;
    // Menu items and toolbar buttons by objectName, for ShowActiveButton.
    QHash<QString, QObject*> commandObjects_;
    int busyDepth_ = 0;
    // The row at which the next search begins; kept for the life of the window.
    std::size_t SearchStartRow = 0;
    QString newRegisterFolder_;
};
