#include "MainForm.h"

#include "AppContext.h"
#include "QtText.h"
#include "RegisterTableModel.h"
#include "core/RegisterSearch.h"

#include <QLineEdit>
#include <QTreeView>

void TMainForm::SearchButtonClick() {
    const auto* searchEdit = findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const svidary::SearchOutcome outcome =
        svidary::SearchRows(ctx_.reg.DocList, model_->rowOrder(), ctx_.refs, columnVisibility(),
                            fromQt(searchEdit->text()), SearchStartRow);
    SearchStartRow = outcome.nextStartRow;
    if (!outcome.foundRow) {
        return;
    }
    const int row = static_cast<int>(*outcome.foundRow);
    const QModelIndex found = model_->index(
        row, treeList_->currentIndex().isValid() ? treeList_->currentIndex().column() : 0);
    treeList_->setCurrentIndex(found);
    treeList_->scrollTo(found);
    treeList_->setFocus();
}
