#include "MainForm.h"

#include "AppContext.h"
#include "OpenWithShell.h"
#include "QtText.h"
#include "RegisterTableModel.h"
#include "core/DuplicateReport.h"
#include "core/RegisterRedraw.h"

#include <QDir>
#include <QModelIndex>

void TMainForm::DrawDiplomsList_dotDiplot() {
    BusyGuard busy(*this);
    const svidary::RedrawResult result =
        svidary::RedrawRegister(ctx_.reg, ctx_.refs, waitProgress());
    showRedrawnRegister(result.duplicateLines);
}

void TMainForm::showRedrawnRegister(const std::vector<std::string>& duplicateLines) {
    showRegisterRows();
    // The report goes to the working folder, which a file dialog moves to the chosen file's.
    const std::filesystem::path folder = pathFromQt(QDir::currentPath());
    const svidary::ReportOutcome outcome =
        svidary::WriteDuplicateReport(folder, ctx_.reg.DocList.size(), duplicateLines);
    showDuplicateReport(outcome == svidary::ReportOutcome::Kept,
                        pathToQt(folder / svidary::DuplicateReportFileName));
}

void TMainForm::showRegisterRows() {
    model_->reset();
    const std::size_t count = ctx_.reg.DocList.size();
    setStatusPanelText(0, count == 0 ? QString() : QStringLiteral("Записей: %1").arg(count));
}

void TMainForm::showDuplicateReport(bool kept, const QString& reportFile) {
    if (kept) {
        OpenWithShell(ctx_.prompts, reportFile);
    }
}

void TMainForm::TreeList1ChangeNode(const QModelIndex& current) {
    // Without a focused row the position counts as the first.
    const int position = current.isValid() ? current.row() : 0;
    setStatusPanelText(1, QStringLiteral("Выбрана запись %1").arg(position + 1));
}
