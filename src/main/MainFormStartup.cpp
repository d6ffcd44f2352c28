#include "MainForm.h"

#include "AppContext.h"
#include "UserPrompts.h"
#include "WaitForm.h"
#include "core/Errors.h"
#include "core/ReferenceFiles.h"
#include "record/EditDiplomForm.h"
#include "settings/SchoolLevelForm.h"

#include <QString>

#include <exception>

std::optional<int> TMainForm::startUp() {
    if (const std::optional<int> exitCode = FormCreate()) {
        return exitCode;
    }
    waitForm_ = new TWaitForm(this);
    createDocumentForm();
    show();
    return std::nullopt;
}

std::optional<int> TMainForm::FormCreate() {
    AboutItClick();

    svidary::LoadedReferences loaded;
    try {
        loaded = svidary::LoadReferences(ctx_.refs, ctx_.filesDir);
    } catch (const svidary::MissingReferenceFile& error) {
        ctx_.prompts.showMessage(QString::fromUtf8(error.what()));
        return ExitMissingReferenceFile;
    } catch (const std::exception& error) {
        // Without its reference data the program cannot work: a file that exists but cannot be
        // read ends the start too, after telling what is wrong with it, under an exit code of
        // its own.
        ctx_.prompts.showMessage(QString::fromUtf8(error.what()));
        return ExitBrokenReferenceFile;
    }
    if (loaded.columns) {
        applyColumnVisibility(*loaded.columns);
    }
    if (!loaded.attributesFound) {
        runCommand([this] { openAttributesDialog(); });
    }

    ShowActiveButton();
    return std::nullopt;
}

void TMainForm::FormClose() {
    CloseItButtonClick();
}

void TMainForm::openAttributesDialog() {
    // At start-up the document form does not exist yet; it reads the new values when created.
    TSchoolLevelForm dialog(
        ctx_,
        [this] {
            if (editDiplomForm_ != nullptr) {
                editDiplomForm_->InitVariables();
            }
        },
        this);
    ctx_.prompts.execModal(dialog);
}

void TMainForm::createDocumentForm() {
    editDiplomForm_ = new TEditDiplomForm(ctx_, this);
}
