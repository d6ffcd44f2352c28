// Times the desktop program's own work on a large register, in a real main window:
//
//   window_timings REGISTER [--refs DIR]
//
// Open until the table shows its first rows, header-click sorts, search steps, type-to-jump, the
// longest pause of the event loop during Open and Save (how long the window could not paint),
// and the peak memory of the process. Run it on the offscreen platform or on a display; the
// register is opened and saved in a scratch copy of its folder, never in place.

#include "core/LargeBlocks.h"
#include "core/ReferenceData.h"
#include "core/RegisterState.h"
#include "main/AppContext.h"
#include "main/MainForm.h"
#include "main/QtText.h"
#include "main/RegisterTableModel.h"
#include "main/UserPrompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

// A user who picks the register in the open dialog and answers No to every question.
class BenchPrompts : public UserPrompts {
public:
    QString fileToOpen;

    void showMessage(const QString& text) override {
        std::cerr << "message: " << text.toStdString() << '\n';
    }
    bool askYesNo(const QString&) override { return false; }
    QString inputText(const QString&, const QString&, const QString& defaultText) override {
        return defaultText;
    }
    QString chooseOpenFile(const QString&, const QString&) override { return fileToOpen; }
    QStringList chooseOpenFiles(const QString&, const QString&) override { return {}; }
    int execModal(QDialog&) override { return 0; }
    void openWithDesktop(const QString&) override {}
};

// The longest time between two turns of the event loop while it runs: a zero timer fires on
// every turn (the progress callback lets pending events run).
class PauseMeter {
public:
    PauseMeter() {
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
    }
    void start() {
        longest_ = 0;
        clock_.start();
        timer_.start(0);
    }
    qint64 stop() {
        timer_.stop();
        return std::max(longest_, clock_.elapsed());
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

// A line "NAME: N kB" of /proc/self/status: VmHWM the peak resident size, VmRSS the current.
long memoryKb(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name + ":", 0) == 0) {
            return std::stol(line.substr(name.size() + 1));
        }
    }
    return -1;
}

long peakMemoryKb() {
    return memoryKb("VmHWM");
}

void reportMemory(const char* when) {
    std::printf("  memory %s: %ld KB now, %ld KB peak\n", when, memoryKb("VmRSS"), peakMemoryKb());
}

// Lets the view lay out and paint what it now shows.
void paintNow(QTreeView& view) {
    QCoreApplication::processEvents();
    view.viewport()->repaint();
}

void report(const char* what, qint64 milliseconds) {
    std::printf("%-52s %7lld ms\n", what, static_cast<long long>(milliseconds));
}

} // namespace

int main(int argc, char** argv) {
    // As the program's own start does.
    svidary::ReturnLargeBlocksWhenFreed();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::cerr << "usage: window_timings REGISTER [--refs DIR]\n";
        return 2;
    }
    const QString registerFile = QFileInfo(arguments[1]).absoluteFilePath();
    QString refsDir = QDir(QCoreApplication::applicationDirPath()).filePath("../Files");
    if (const qsizetype refs = arguments.indexOf(QStringLiteral("--refs")); refs > 0) {
        refsDir = QFileInfo(arguments.value(refs + 1)).absoluteFilePath();
    }

    QTemporaryDir scratch(QFileInfo(registerFile).absolutePath() + "/window-timings-XXXXXX");
    const QString copy = scratch.filePath(QFileInfo(registerFile).fileName());
    if (!QFile::copy(registerFile, copy)) {
        std::cerr << "cannot copy the register to " << copy.toStdString() << '\n';
        return 2;
    }
    QDir::setCurrent(scratch.path());
    const qint64 fileSize = QFileInfo(copy).size();

    svidary::ReferenceData refs;
    svidary::RegisterState reg;
    BenchPrompts prompts;
    prompts.fileToOpen = copy;
    AppContext context{refs, reg, prompts, pathFromQt(QDir(refsDir).absolutePath())};
    TMainForm form(context);
    if (form.startUp()) {
        std::cerr << "the window did not start\n";
        return 2;
    }
    QTreeView& table = form.registerView();
    paintNow(table);
    std::printf("register: %s, %lld bytes; memory before Open: %ld KB\n",
                registerFile.toStdString().c_str(), static_cast<long long>(fileSize),
                peakMemoryKb());

    PauseMeter pauses;
    QElapsedTimer clock;
    pauses.start();
    clock.start();
    form.runCommand([&form] { form.OpenFileButtonClick(); });
    paintNow(table);
    const qint64 openTime = clock.elapsed();
    report("Open until the first rows show", openTime);
    report("  longest pause of the event loop", pauses.stop());
    std::printf("  rows: %d, first row: %s\n", table.model()->rowCount(),
                table.model()->index(0, 3).data().toString().toStdString().c_str());
    reportMemory("after Open");

    const std::pair<int, const char*> columns[] = {
        {3, "Фамилия"}, {0, "Рег.номер"}, {8, "Дата вруч."}, {15, "Учебное заведение"}};
    for (const auto& [column, caption] : columns) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            clock.restart();
            // What a header click does: the indicator changes and the view sorts by it.
            table.header()->setSortIndicator(column, order);
            paintNow(table);
            const std::string what = std::string("sort by ") + caption +
                                     (order == Qt::AscendingOrder ? " ascending" : " descending");
            report(what.c_str(), clock.elapsed());
        }
    }
    table.header()->setSortIndicator(5, Qt::AscendingOrder);
    paintNow(table);
    reportMemory("after the sorts");

    auto* searchEdit = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const char* searches[] = {"Сиваков", "Сиваков", "ива", "Диплом", "нет такого текста", "ё"};
    for (const char* text : searches) {
        searchEdit->setText(QString::fromUtf8(text));
        clock.restart();
        form.runCommand([&form] { form.SearchButtonClick(); });
        paintNow(table);
        const std::string what = std::string("search step \"") + text + "\" -> row " +
                                 std::to_string(table.currentIndex().row());
        report(what.c_str(), clock.elapsed());
    }

    table.setCurrentIndex(table.model()->index(0, 3));
    clock.restart();
    for (const QChar letter : QStringLiteral("Яко")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(&table, &press);
    }
    paintNow(table);
    const std::string typed =
        "type-to-jump \"Яко\" (3 keys) -> row " + std::to_string(table.currentIndex().row());
    report(typed.c_str(), clock.elapsed());

    pauses.start();
    clock.restart();
    form.runCommand([&form] { form.SaveFileButtonClick(); });
    paintNow(table);
    report("Save (error check, redraw, write)", clock.elapsed());
    report("  longest pause of the event loop", pauses.stop());
    reportMemory("after Save");

    const long peak = peakMemoryKb();
    std::printf("peak memory: %ld KB = %.2f x the file\n", peak,
                static_cast<double>(peak) * 1024.0 / static_cast<double>(fileSize));
    form.runCommand([&form] { form.CloseItButtonClick(); });
    return 0;
}
