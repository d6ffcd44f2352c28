#include "MainForm.h"

#include "AppContext.h"
#include "RegisterTableModel.h"
#include "UserPrompts.h"
#include "core/Date.h"
#include "core/DocumentKey.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/Record.h"
#include "core/RegisterCells.h"
#include "record/EditDiplomForm.h"

#include <QAction>
#include <QDialog>
#include <QTreeView>

#include <cstddef>
#include <cstdint>
#include <string>

using namespace svidary;

namespace {

// Field 12 as stored: "-" for a personal number that is not given.
std::string storedPersonalNumber(const std::string& formText) {
    return formText.empty() || formText == PersonalNumberNotSetText() ? std::string("-") : formText;
}

// The record line of the form's values after OK, with the institution code given.
RecordFields composeRecord(const TEditDiplomForm& form, const std::string& school) {
    RecordFields fields;
    for (int field = RegNum; field < School; ++field) {
        fields[static_cast<std::size_t>(field)] = form.fieldText(static_cast<FieldIndex>(field));
    }
    fields[Pasp] = storedPersonalNumber(fields[Pasp]);
    fields[School] = school;
    return fields;
}

// The key of a record as the record commands write it: type code, series, "~", number.
DocumentKey keyOf(const RecordFields& fields) {
    return DocumentKey{fields[DocType] + fields[Ser], fields[Num]};
}

void forgetOldKey(TEditDiplomForm& form) {
    form.OldDocType = -1;
    form.OldSeria.clear();
    form.OldNum.clear();
}

} // namespace

TEditDiplomForm& TMainForm::documentForm() {
    if (editDiplomForm_ == nullptr) {
        createDocumentForm();
    }
    return *editDiplomForm_;
}

void TMainForm::AddRecordButtonClick() {
    TEditDiplomForm& form = documentForm();
    const std::string school = std::to_string(ctx_.refs.AttribSchoolCode);
    for (;;) {
        // Type, level, years, issue date and the specialty texts stay as last entered, so that a
        // run of similar documents needs little typing.
        for (const FieldIndex field : {F, I, O, Ser, Num, RegNum}) {
            form.setFieldText(field, "");
        }
        form.setFieldText(Pasp, PersonalNumberNotSetText());
        form.setSchoolName(ctx_.refs.SchoolNameByCode(ctx_.refs.AttribSchoolCode));
        forgetOldKey(form);
        form.focusRegistrationNumber();
        if (ctx_.prompts.execModal(form) != QDialog::Accepted) {
            return;
        }

        const RecordFields fields = composeRecord(form, school);
        ctx_.reg.DocList.push_back(JoinRecord(fields));
        const int row = model_->addLastRecordRow();
        ctx_.reg.DocKeys.push_back(keyOf(fields).shortKey());
        // The new row becomes the focused one, so that the user sees what was added.
        treeList_->setCurrentIndex(model_->index(row, 0));
        treeList_->scrollTo(treeList_->currentIndex());
        ctx_.reg.DocModified = true;
        ShowActiveButton();
        setStatusPanelText(0, QStringLiteral("Записей: %1").arg(ctx_.reg.DocList.size()));
    }
}

void TMainForm::EditButtonClick() {
    const QModelIndex focused = treeList_->currentIndex();
    if (!focused.isValid()) {
        return;
    }
    const std::uint32_t record = model_->recordAt(focused.row());
    const RecordFields stored = SplitRecord(ctx_.reg.DocList.at(record));
    // Codes that are not integers stop the command before anything changes; the general error
    // handler shows why.
    const std::int32_t school = parseInt(stored[School]);
    const std::int32_t oldType = parseInt(stored[DocType]);
    parseInt(stored[Level]); // checked only: the form selects the level from the text itself

    TEditDiplomForm& form = documentForm();
    form.setSchoolName(ctx_.refs.SchoolNameByCode(school));
    for (int field = RegNum; field < School; ++field) {
        if (field != Create && field != Pasp) {
            form.setFieldText(static_cast<FieldIndex>(field),
                              stored[static_cast<std::size_t>(field)]);
        }
    }
    form.setFieldText(Pasp, stored[Pasp].empty() || stored[Pasp] == "-" ? PersonalNumberNotSetText()
                                                                        : stored[Pasp]);
    form.OldDocType = oldType;
    form.OldSeria = stored[Ser];
    form.OldNum = stored[Num];
    // A stored issue date that is not a date (a dash from another source) must not make the
    // record impossible to repair: say so, then propose 1 March of the issue year, as a fresh
    // form does.
    try {
        form.setFieldText(Create, stored[Create]);
    } catch (const ConversionError& error) {
        ctx_.prompts.showMessage(QString::fromUtf8(error.what()));
        const int year = ctx_.refs.AttribYear;
        if (isValidDate(year, 3, 1)) {
            form.setFieldText(Create, formatDate(Date{year, 3, 1}));
        }
    }
    // Even a cancelled correction counts as a change of the register.
    ctx_.reg.DocModified = true;
    form.focusRegistrationNumber();
    if (ctx_.prompts.execModal(form) != QDialog::Accepted) {
        return;
    }

    const RecordFields corrected = composeRecord(form, stored[School]);
    ctx_.reg.DocList[record] = JoinRecord(corrected);
    const int row = model_->recordRowChanged(focused.row());
    const std::string newKey = keyOf(corrected).shortKey();
    if (const auto oldKey = findDocumentKey(ctx_.reg.DocKeys, keyOf(stored))) {
        ctx_.reg.DocKeys[*oldKey] = newKey;
    } else {
        ctx_.reg.DocKeys.push_back(newKey);
    }
    treeList_->scrollTo(model_->index(row, 0));
}

void TMainForm::DeleteRecordButtonClick() {
    const QModelIndex focused = treeList_->currentIndex();
    if (!focused.isValid()) {
        return;
    }
    // Line feed before carriage return, as the question has always been written.
    if (!ctx_.prompts.askYesNo(QStringLiteral("Удаленная запись восстановлению не подлежит!\n\r"
                                              "Вы действительно хотите удалить текущую запись?"))) {
        return;
    }
    const std::uint32_t record = model_->recordAt(focused.row());
    const DocumentKey key = keyOf(SplitRecord(ctx_.reg.DocList.at(record)));
    ctx_.reg.DocList.erase(ctx_.reg.DocList.begin() + record);
    model_->removeRecordRow(focused.row());
    if (const auto entry = findDocumentKey(ctx_.reg.DocKeys, key)) {
        ctx_.reg.DocKeys.erase(ctx_.reg.DocKeys.begin() + static_cast<std::ptrdiff_t>(*entry));
    }
    setStatusPanelText(0, QStringLiteral("Записей: %1").arg(ctx_.reg.DocList.size()));
    ctx_.reg.DocModified = true;
    ShowActiveButton();
}
