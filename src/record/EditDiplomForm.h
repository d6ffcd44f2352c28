#pragma once

#include "core/Record.h"

#include <QDialog>

#include <string>
#include <string_view>

struct AppContext;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The document form: the one dialog in which the fields of a register record are entered or
// corrected. It filters keystrokes, normalises names, series and number, checks the years
// against the issue date and refuses a document already in the register's keys. It never
// touches the register: the record commands set its controls, show it, and on OK read them.
//
// Created once at start-up and kept: controls that a command does not set keep their values
// from the previous showing, so a run of similar documents needs little typing.
class TEditDiplomForm : public QDialog {
    Q_OBJECT
public:
    TEditDiplomForm(AppContext& app, QWidget* parent = nullptr);

    // The key of the record being corrected; type -1 and empty texts while adding. The OK
    // check accepts an unchanged key without looking for duplicates.
    int OldDocType = -1;
    std::string OldSeria;
    std::string OldNum;

    // A character the name fields take, unchanged; otherwise 0. Name characters: space, "'",
    // "-", A-Z, a-z, А-я (0xC0-0xFF), Ё ё, І і, Ў ў (Windows-1251 bytes).
    static char FilterNameChar(char cp1251);

    // Defaults that follow the reference data and the installation's attributes: the type and
    // level lists (list index = code, entry 0 selected), the years, the issue date 1 March of
    // the year, the specialty lists, the institution label. Leaves the edits, the typed
    // specialty texts and the old key alone.
    void InitVariables();

    // Refills the specialty lists from the specialty file: 0 all three lists; 1 the
    // specialisations and qualifications of the chosen specialty; 2 the qualifications of the
    // chosen specialty and specialisation. When the file cannot be read the error is shown and
    // the lists keep their entries.
    void SetComboBoxes(int mode);

    // What the record commands read after OK and set before showing, by record field, as
    // Windows-1251 texts. RegNum, F, I, O, Start, Stop, Ser, Num, Pasp, Spec, Spz and Kw are
    // the texts of their controls; Level and DocType the selected list index (the code) in
    // decimal, "-1" when nothing is selected; Create the issue date as dd.mm.yyyy. School is
    // not a field of the form (see setSchoolName) and gives "".
    std::string fieldText(svidary::FieldIndex field) const;

    // Sets a control likewise. Level and DocType select the code given in decimal (nothing
    // selected for a code outside the list); Create takes a day.month.year date. Setting the
    // specialty texts does not refill the lists. Throws ConversionError for a Level, DocType
    // or Create text that does not convert, leaving the control as it was; School is ignored.
    void setFieldText(svidary::FieldIndex field, std::string_view cp1251);

    // The name of the issuing institution shown at the top.
    void setSchoolName(std::string_view cp1251);

    // Makes the registration number the control that has the focus when the form is shown.
    void focusRegistrationNumber();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void chainTabOrder();
    void installInputRules();
    void AddDiplomButtonClick();
    bool yearsAndIssueDateAreConsistent();
    void normaliseName(QLineEdit& edit);
    QWidget* enterTarget(QObject* control) const;
    QLineEdit* textEditOf(svidary::FieldIndex field) const;
    QComboBox* editableListOf(svidary::FieldIndex field) const;
    void showMessage(const char* utf8);

    AppContext& app_;

    QComboBox* DType_CB = nullptr;
    QComboBox* EduLevel_CB = nullptr;
    QLineEdit* RegNo_Edit = nullptr;
    QLineEdit* F_Edit = nullptr;
    QLineEdit* I_Edit = nullptr;
    QLineEdit* O_Edit = nullptr;
    QLineEdit* DSeria_Edit = nullptr;
    QLineEdit* DNum_Edit = nullptr;
    QDateEdit* IssDate_C = nullptr;
    QComboBox* YearBegin_CB = nullptr;
    QComboBox* YearEnd_CB = nullptr;
    QComboBox* SName_CB = nullptr;
    QComboBox* Specialization_CB = nullptr;
    QComboBox* Kw_CB = nullptr;
    QLineEdit* PasportEdit = nullptr;
    QPushButton* AddDiplomButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* SchoolNameLabel = nullptr;
};
