#pragma once

#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "core/ReferenceData.h"
#include "core/RegisterState.h"
#include "main/AppContext.h"
#include "main/MainForm.h"
#include "main/RegisterTableModel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace guitest {

inline std::filesystem::path sampleFiles() {
    return std::filesystem::path(SVIDARY_SAMPLE_FILES);
}

// A register line of sixteen fields; the texts are given in UTF-8.
inline std::string recordLine(std::string_view surname, std::string_view patronymic) {
    return svidary::test::recordLine({"1", "0", "0", surname, "Иван", patronymic, "2005", "2009",
                                      "30.06.2009", "AB", "0012345", "-", "", "", "", "100"});
}

// A main window over its own reference data, register and scripted user. The window is built
// but not started; tests that need the start call form->startUp().
class MainFormTest : public ::testing::Test {
protected:
    explicit MainFormTest(std::filesystem::path filesDir = sampleFiles())
        : context{refs, reg, prompts, std::move(filesDir)},
          form(std::make_unique<TMainForm>(context)) {}

    // Puts the window into a register state: no register, or one open with these lines.
    void openRegister(const std::filesystem::path& file, std::vector<std::string> lines) {
        reg.CurrentFileName = file;
        reg.DocList = std::move(lines);
        reg.DocListsExist = true;
        form->registerModel().reset();
        form->updateWindowTitle();
        form->ShowActiveButton();
    }
    void closeRegister() {
        reg = svidary::RegisterState{};
        form->registerModel().reset();
        form->updateWindowTitle();
        form->ShowActiveButton();
    }

    // A hidden menu item always reports itself disabled; it keeps the state it was given for
    // when it is shown, and that state is what is read here.
    bool isEnabled(const char* objectName) const {
        QObject* object = form->findChild<QObject*>(QString::fromLatin1(objectName));
        EXPECT_NE(object, nullptr) << objectName;
        if (object == nullptr) {
            return false;
        }
        auto* action = qobject_cast<QAction*>(object);
        if (action == nullptr || action->isVisible()) {
            return object->property("enabled").toBool();
        }
        action->setVisible(true);
        const bool enabled = action->isEnabled();
        action->setVisible(false);
        return enabled;
    }

    svidary::ReferenceData refs;
    svidary::RegisterState reg;
    ScriptedPrompts prompts;
    AppContext context;
    std::unique_ptr<TMainForm> form;
};

// A Files/ folder holding the chosen sample reference files (names without the prefix).
class ReferenceFolder {
public:
    explicit ReferenceFolder(const QStringList& baseNames) {
        QDir(dir_.path()).mkdir(QStringLiteral("Files"));
        const QDir samples(QString::fromStdString(sampleFiles().string()));
        for (const QString& baseName : baseNames) {
            const QString name = QStringLiteral("VELT") + baseName;
            QFile::copy(samples.filePath(name), files().filePath(name));
        }
    }
    QString root() const { return dir_.path(); }
    QDir files() const { return QDir(dir_.filePath(QStringLiteral("Files"))); }
    std::filesystem::path filesPath() const {
        return std::filesystem::path(files().absolutePath().toStdString());
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(files().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

// Comes before MainFormTest among the bases, so that the folder exists before the window that
// reads it.
struct WithReferenceFolder {
    explicit WithReferenceFolder(const QStringList& baseNames) : folder(baseNames) {}
    ReferenceFolder folder;
};

inline const QStringList RequiredFiles = {QStringLiteral("levels.xml"), QStringLiteral("types.xml"),
                                          QStringLiteral("Schools.xml")};

} // namespace guitest
