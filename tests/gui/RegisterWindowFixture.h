#pragma once

#include "MainFormTestFixture.h"
#include "TestFiles.h"
#include "main/QtText.h"
#include "main/WaitForm.h"

#include <QAbstractItemModel>
#include <QByteArray>
#include <QStringList>
#include <QTreeView>

#include <string>
#include <vector>

namespace guitest {

// One record of a test register, its texts in UTF-8.
struct TestRecord {
    const char* regNum;
    int level;
    int docType;
    const char* surname;
    const char* name;
    const char* patronymic;
    const char* start;
    const char* stop;
    const char* issued;
    const char* series;
    const char* number;
    const char* personalNumber;
    int school;
};

inline std::string recordLine(const TestRecord& record) {
    return svidary::test::recordLine(
        {record.regNum, std::to_string(record.level), std::to_string(record.docType),
         record.surname, record.name, record.patronymic, record.start, record.stop, record.issued,
         record.series, record.number, record.personalNumber, "2-40 01 01", "",
         "Техник-программист", std::to_string(record.school)});
}

// A small register. Shown sorted by patronymic: Сиваков, Иванов, Козлов, Петров.
// Иванов's school 102 is named only from 2005 on, so his record of 2003 gets code 101.
inline const std::vector<TestRecord> SmallRegister = {
    {"1", 0, 0, "Петров", "Павел", "Юрьевич", "2005", "2009", "30.06.2009", "АБ", "0012345",
     "3120589A001PB1", 102},
    {"2", 1, 2, "Иванов", "Иван", "Дмитриевич", "1999", "2003", "30.06.2003", "АБ", "0012346", "-",
     102},
    {"3", 2, 3, "Сиваков", "Олег", "Викторович", "2004", "2008", "28.06.2008", "ВГ", "0000077", "",
     108},
    {"4", 3, 9, "Козлов", "Ян", "Олегович", "2006", "2010", "01.07.2010", "ВГ", "0000078",
     "4010190B002PB3", 113},
};

// A main window started over the sample reference data, with a scratch folder that is both the
// working folder and the folder in which New creates its files.
class RegisterWindowTest : public MainFormTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(scratch_.path());
        ASSERT_EQ(form->startUp(), std::nullopt);
        form->setNewRegisterFolder(scratch_.path());
        prompts.clear();
    }
    void TearDown() override { QDir::setCurrent(previousFolder_); }

    QString scratchPath(const QString& name) const { return QDir(scratch_.path()).filePath(name); }

    // Writes a register file: the header line, then the records, Windows-1251 with CR LF.
    QString writeRegister(const QString& name, const std::vector<std::string>& lines) const {
        writeFile(name, QByteArray::fromStdString(svidary::test::registerFileBytes(lines)));
        return scratchPath(name);
    }
    QString writeRegister(const QString& name, const std::vector<TestRecord>& records) const {
        std::vector<std::string> lines;
        for (const TestRecord& record : records) {
            lines.push_back(recordLine(record));
        }
        return writeRegister(name, lines);
    }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(scratchPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString& name) const {
        QFile file(scratchPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Opens the file through the Open command, answering its dialog.
    bool openThroughCommand(const QString& path) {
        prompts.openFileAnswers.push_back(path);
        return form->runCommand([this] { form->OpenFileButtonClick(); });
    }

    QTreeView& table() { return form->registerView(); }
    QString cell(int row, int column) {
        return table().model()->index(row, column).data().toString();
    }
    QStringList column(int column) {
        QStringList texts;
        for (int row = 0; row < table().model()->rowCount(); ++row) {
            texts.append(cell(row, column));
        }
        return texts;
    }

private:
    QTemporaryDir scratch_;
    QString previousFolder_;
};

} // namespace guitest
