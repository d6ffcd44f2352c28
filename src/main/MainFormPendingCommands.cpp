#include "MainForm.h"

// Commands whose work is still to be built. They are bound to their menu items and buttons and
// follow the command states already; until then they do nothing. Each moves to the file of its
// own concern when it is built.

void TMainForm::ContactFilesButtonClick() {}

void TMainForm::FileStatisticButtonClick() {}

void TMainForm::ImportFromKalvClick() {}

void TMainForm::Export_to_XMLClick() {}

void TMainForm::N3Click() {}

void TMainForm::ColumnViewOptionsClick() {}
