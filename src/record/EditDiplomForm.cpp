#include "EditDiplomForm.h"

#include "FieldInputRule.h"
#include "core/Date.h"
#include "core/DocumentKey.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/ReferenceFiles.h"
#include "core/RegisterCells.h"
#include "core/SchoolCodeCorrection.h"
#include "core/SpecialtyLists.h"
#include "core/TextCase.h"
#include "main/AppContext.h"
#include "main/GeneralErrorHandler.h"
#include "main/QtText.h"
#include "main/UserPrompts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

using namespace svidary;

namespace {

constexpr int ColumnWidth = 300;
constexpr int FullWidth = 645;
constexpr int SeriesMaxLength = 6;
constexpr int NumberMaxLength = 7;
// Below these years the years and the issue date are not checked against each other.
constexpr int FirstCheckedBeginYear = 1986;
constexpr int FirstCheckedEndYear = 1991;

QFont fieldFont(int pixelSize) {
    QFont font;
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

QLineEdit* makeEdit(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setFont(fieldFont(13));
    return edit;
}

QComboBox* makeFixedList(QWidget* parent, const char* objectName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setFont(fieldFont(13));
    return list;
}

// A list whose text can be typed; picking or typing never adds items, and no completion
// changes what was typed.
QComboBox* makeEditableList(QWidget* parent, const char* objectName) {
    QComboBox* list = makeFixedList(parent, objectName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // Left with a text equal to one of its entries, a list would select that entry and report
    // it as chosen, refiltering the lists below and emptying what they show. Only a choice from
    // the drop-down (or with the arrow keys) is a choice.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    return list;
}

void addYearItems(QComboBox& list, int first, int last) {
    for (int year = first; year <= last; ++year) {
        list.addItem(QString::number(year));
    }
}

// The control under its caption, as one cell of the layout.
QWidget* captioned(const QString& caption, QWidget* control, int width) {
    auto* cell = new QWidget;
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* label = new QLabel(caption, cell);
    label->setWordWrap(true);
    label->setBuddy(control);
    control->setFixedWidth(width);
    layout->addWidget(label);
    layout->addWidget(control);
    return cell;
}

// Replaces the items, keeping the text shown in the edit part.
void refill(QComboBox& list, const std::vector<std::string>& values) {
    const QString shown = list.currentText();
    list.clear();
    for (const auto& value : values) {
        list.addItem(toQt(value));
    }
    list.setCurrentIndex(-1);
    list.setEditText(shown);
}

// The names of a code list as the items, the first one selected.
void fillWithNames(QComboBox& list, const CodeList& names) {
    list.clear();
    for (const auto& name : names.names()) {
        list.addItem(toQt(name));
    }
    list.setCurrentIndex(0);
}

// The single entry selected when there is exactly one, otherwise no selection and no text.
void selectSingleEntry(QComboBox& list) {
    if (list.count() == 1) {
        list.setCurrentIndex(0);
    } else {
        list.setCurrentIndex(-1);
        list.setEditText(QString());
    }
}

void selectCode(QComboBox& list, std::string_view cp1251Code) {
    const std::int32_t code = parseInt(cp1251Code);
    list.setCurrentIndex(code >= 0 && code < list.count() ? code : -1);
}

} // namespace

TEditDiplomForm::TEditDiplomForm(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("EditDiplomForm"));
    setWindowTitle(QStringLiteral("Поля документа"));
    buildControls();
    buildLayout();
    chainTabOrder();
    installInputRules();
    PasportEdit->setText(toQt(PersonalNumberNotSetText()));

    connect(AddDiplomButton, &QPushButton::clicked, this, [this] { AddDiplomButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(SName_CB, &QComboBox::activated, this, [this] { SetComboBoxes(1); });
    connect(Specialization_CB, &QComboBox::activated, this, [this] { SetComboBoxes(2); });

    InitVariables();
}

void TEditDiplomForm::buildControls() {
    DType_CB = makeFixedList(this, "DType_CB");
    EduLevel_CB = makeFixedList(this, "EduLevel_CB");
    RegNo_Edit = makeEdit(this, "RegNo_Edit");
    F_Edit = makeEdit(this, "F_Edit");
    I_Edit = makeEdit(this, "I_Edit");
    O_Edit = makeEdit(this, "O_Edit");
    DSeria_Edit = makeEdit(this, "DSeria_Edit");
    DNum_Edit = makeEdit(this, "DNum_Edit");

    IssDate_C = new QDateEdit(this);
    IssDate_C->setObjectName(QStringLiteral("IssDate_C"));
    IssDate_C->setFont(fieldFont(13));
    IssDate_C->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    IssDate_C->setCalendarPopup(true);
    IssDate_C->setMinimumDate(QDate(1, 1, 1));
    IssDate_C->setMaximumDate(QDate(9999, 12, 31));

    // The year items are fixed; any other year can be typed.
    YearBegin_CB = makeEditableList(this, "YearBegin_CB");
    addYearItems(*YearBegin_CB, 1991, 2006);
    YearEnd_CB = makeEditableList(this, "YearEnd_CB");
    addYearItems(*YearEnd_CB, 1991, 2008);

    SName_CB = makeEditableList(this, "SName_CB");
    Specialization_CB = makeEditableList(this, "Specialization_CB");
    Kw_CB = makeEditableList(this, "Kw_CB");

    PasportEdit = makeEdit(this, "PasportEdit");
    PasportEdit->setFont(fieldFont(11));

    AddDiplomButton = new QPushButton(QStringLiteral("ОК"), this);
    AddDiplomButton->setObjectName(QStringLiteral("AddDiplomButton"));
    CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    SchoolNameLabel = new QLabel(this);
    SchoolNameLabel->setObjectName(QStringLiteral("SchoolNameLabel"));
    SchoolNameLabel->setFont(fieldFont(13));
    SchoolNameLabel->setWordWrap(true);
    SchoolNameLabel->setFixedWidth(641);
    SchoolNameLabel->setMinimumHeight(2 * SchoolNameLabel->fontMetrics().lineSpacing());
    SchoolNameLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QWidget* control : std::initializer_list<QWidget*>{
             DType_CB, EduLevel_CB, RegNo_Edit, F_Edit, I_Edit, O_Edit, DSeria_Edit, DNum_Edit,
             IssDate_C, YearBegin_CB, YearEnd_CB, SName_CB, Specialization_CB, Kw_CB,
             PasportEdit}) {
        control->installEventFilter(this);
    }
    for (QComboBox* list : {YearBegin_CB, YearEnd_CB, SName_CB, Specialization_CB, Kw_CB}) {
        list->lineEdit()->installEventFilter(this);
    }
}

// The institution across the top; the type and the three specialty lists across the full
// width; the person and the registration on the left, the document itself on the right. The
// fields of a row line up at the bottom, since a long caption takes two lines.
void TEditDiplomForm::buildLayout() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(44);
    grid->setVerticalSpacing(6);
    int row = 0;
    auto full = [&](QWidget* cell) { grid->addWidget(cell, row++, 0, 1, 2); };

    auto* schoolCaption = new QLabel(
        QStringLiteral("Наименование учреждения образования, выдавшего документ об образовании:"));
    full(schoolCaption);
    full(SchoolNameLabel);
    full(captioned(QStringLiteral("Тип документа об образовании:"), DType_CB, FullWidth));

    const std::array<QWidget*, 6> left = {
        captioned(QStringLiteral("Уровень образования:"), EduLevel_CB, ColumnWidth),
        captioned(QStringLiteral("Регистрационный номер документа об образовании:"), RegNo_Edit,
                  ColumnWidth),
        captioned(QStringLiteral("Фамилия:"), F_Edit, ColumnWidth),
        captioned(QStringLiteral("Имя:"), I_Edit, ColumnWidth),
        captioned(QStringLiteral("Отчество:"), O_Edit, ColumnWidth),
        captioned(QStringLiteral("Идентификационный номер"), PasportEdit, ColumnWidth),
    };
    const std::array<QWidget*, 5> right = {
        captioned(QStringLiteral("Серия документа об образовании:"), DSeria_Edit, ColumnWidth),
        captioned(QStringLiteral("Номер документа об образовании:"), DNum_Edit, ColumnWidth),
        captioned(QStringLiteral("Дата выдачи документа об образовании (или прочерк - ):"),
                  IssDate_C, ColumnWidth),
        captioned(QStringLiteral("Год поступления:"), YearBegin_CB, ColumnWidth),
        captioned(QStringLiteral("Год окончания:"), YearEnd_CB, ColumnWidth),
    };
    for (std::size_t i = 0; i < left.size(); ++i) {
        grid->addWidget(left[i], row + static_cast<int>(i), 0, Qt::AlignBottom);
        if (i < right.size()) {
            grid->addWidget(right[i], row + static_cast<int>(i), 1, Qt::AlignBottom);
        }
    }
    row += static_cast<int>(left.size());

    full(captioned(QStringLiteral("Специальность:"), SName_CB, FullWidth));
    full(captioned(QStringLiteral("Специализация:"), Specialization_CB, FullWidth));
    full(captioned(QStringLiteral("Квалификация:"), Kw_CB, FullWidth));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddDiplomButton);
    buttons->addWidget(CancelButton);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 10, 17, 12);
    page->addLayout(grid);
    page->addSpacing(8);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void TEditDiplomForm::chainTabOrder() {
    const std::array<QWidget*, 17> order = {
        DType_CB,          EduLevel_CB, RegNo_Edit,  F_Edit,          I_Edit,      O_Edit,
        DSeria_Edit,       DNum_Edit,   IssDate_C,   YearBegin_CB,    YearEnd_CB,  SName_CB,
        Specialization_CB, Kw_CB,       PasportEdit, AddDiplomButton, CancelButton};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TEditDiplomForm::installInputRules() {
    const auto anyCharacter = [](unsigned char) { return true; };
    const auto nameCharacter = [](unsigned char byte) {
        return FilterNameChar(static_cast<char>(byte)) != 0;
    };
    const auto digit = [](unsigned char byte) { return byte >= '0' && byte <= '9'; };

    for (QLineEdit* edit : {F_Edit, I_Edit, O_Edit}) {
        new FieldInputRule(*edit, nameCharacter, 0);
    }
    new FieldInputRule(*DSeria_Edit, anyCharacter, SeriesMaxLength);
    new FieldInputRule(*DNum_Edit, digit, NumberMaxLength);
    for (QLineEdit* edit : {RegNo_Edit, PasportEdit}) {
        new FieldInputRule(*edit, anyCharacter, 0);
    }
    for (QComboBox* list : {YearBegin_CB, YearEnd_CB, SName_CB, Specialization_CB, Kw_CB}) {
        new FieldInputRule(*list->lineEdit(), anyCharacter, 0);
    }
}

char TEditDiplomForm::FilterNameChar(char cp1251) {
    const auto byte = static_cast<unsigned char>(cp1251);
    const bool isName = byte == ' ' || byte == '\'' || byte == '-' ||
                        (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                        byte >= 0xC0 || byte == 0xA8 || byte == 0xB8 || byte == 0xB2 ||
                        byte == 0xB3 || byte == 0xA1 || byte == 0xA2;
    return isName ? cp1251 : '\0';
}

void TEditDiplomForm::InitVariables() {
    fillWithNames(*DType_CB, app_.refs.DocTypeNames);
    fillWithNames(*EduLevel_CB, app_.refs.LevelNames);

    const int year = app_.refs.AttribYear;
    YearEnd_CB->setEditText(QString::number(year));
    YearBegin_CB->setEditText(QString::number(static_cast<long long>(year) - 5));
    // A year the calendar does not have leaves the date as it was.
    if (isValidDate(year, 3, 1)) {
        IssDate_C->setDate(QDate(year, 3, 1));
    }
    SetComboBoxes(0);
    setSchoolName(app_.refs.SchoolNameByCode(app_.refs.AttribSchoolCode));
}

void TEditDiplomForm::SetComboBoxes(int mode) {
    if (mode < 0 || mode > 2) {
        return;
    }
    std::vector<SpecialtyLine> lines;
    const bool read = runReportingErrors(app_.prompts, [&] {
        lines = readSpecialtyLines(referenceFilePath(app_.filesDir, "spec.xml"));
    });
    if (!read) {
        return;
    }
    const auto fill = static_cast<SpecialtyFill>(mode);
    const auto lists = collectSpecialtyLists(lines, fill, fromQt(SName_CB->currentText()),
                                             fromQt(Specialization_CB->currentText()));
    switch (fill) {
    case SpecialtyFill::Everything:
        refill(*SName_CB, lists.specialties);
        refill(*Specialization_CB, lists.specialisations);
        refill(*Kw_CB, lists.qualifications);
        break;
    case SpecialtyFill::OfSpecialty:
        refill(*Specialization_CB, lists.specialisations);
        refill(*Kw_CB, lists.qualifications);
        selectSingleEntry(*Specialization_CB);
        selectSingleEntry(*Kw_CB);
        break;
    case SpecialtyFill::OfSpecialisation:
        refill(*Kw_CB, lists.qualifications);
        selectSingleEntry(*Kw_CB);
        break;
    }
}

bool TEditDiplomForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab leaves the date like any other field instead of walking its day, month and year.
        if (watched == IssDate_C && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (QWidget* next = enterTarget(watched)) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        for (QLineEdit* name : {F_Edit, I_Edit, O_Edit}) {
            if (watched == name) {
                normaliseName(*name);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Enter walks the fields in the order of the paper form, which differs from the tab order at
// one place: from the end year to the identification number and from there to the specialty.
QWidget* TEditDiplomForm::enterTarget(QObject* control) const {
    const std::array<std::pair<QWidget*, QWidget*>, 15> walk = {{
        {DType_CB, EduLevel_CB},
        {EduLevel_CB, RegNo_Edit},
        {RegNo_Edit, F_Edit},
        {F_Edit, I_Edit},
        {I_Edit, O_Edit},
        {O_Edit, DSeria_Edit},
        {DSeria_Edit, DNum_Edit},
        {DNum_Edit, IssDate_C},
        {IssDate_C, YearBegin_CB},
        {YearBegin_CB, YearEnd_CB},
        {YearEnd_CB, PasportEdit},
        {PasportEdit, SName_CB},
        {SName_CB, Specialization_CB},
        {Specialization_CB, Kw_CB},
        {Kw_CB, AddDiplomButton},
    }};
    for (const auto& [from, to] : walk) {
        const auto* list = qobject_cast<QComboBox*>(from);
        if (control == from || (list != nullptr && control == list->lineEdit())) {
            return to;
        }
    }
    return nullptr;
}

void TEditDiplomForm::normaliseName(QLineEdit& edit) {
    const QString normalised = toQt(capitalised(fromQt(edit.text())));
    if (normalised != edit.text()) {
        edit.setText(normalised);
    }
}

void TEditDiplomForm::AddDiplomButtonClick() {
    const QString required[] = {DType_CB->currentText(),
                                EduLevel_CB->currentText(),
                                RegNo_Edit->text(),
                                F_Edit->text(),
                                I_Edit->text(),
                                O_Edit->text(),
                                DSeria_Edit->text(),
                                DNum_Edit->text(),
                                YearBegin_CB->currentText(),
                                YearEnd_CB->currentText(),
                                PasportEdit->text(),
                                SName_CB->currentText(),
                                Specialization_CB->currentText(),
                                Kw_CB->currentText()};
    for (const QString& text : required) {
        if (text.isEmpty()) {
            return;
        }
    }
    if (!yearsAndIssueDateAreConsistent()) {
        return;
    }

    const std::string series = toUpper(fromQt(DSeria_Edit->text()));
    DSeria_Edit->setText(toQt(series));

    const std::int32_t number = parseIntOr(fromQt(DNum_Edit->text()), -1);
    if (number == -1) {
        showMessage("Номер документа должен быть числовым значением!");
        DNum_Edit->setFocus();
        return;
    }
    const std::string numberText = std::to_string(number);
    DNum_Edit->setText(QString::fromStdString(numberText));

    const int type = DType_CB->currentIndex();
    if (type == OldDocType && series == OldSeria && numberText == OldNum) {
        accept();
        return;
    }
    if (app_.reg.DocListsExist &&
        findDocumentKey(app_.reg.DocKeys, DocumentKey::of(type, series, numberText))) {
        showMessage("Документ такого типа с таким номером и серией уже присутствует в списке");
        DNum_Edit->setFocus();
        return;
    }
    accept();
}

// The checks apply only to documents that are not duplicates and whose years are both real.
bool TEditDiplomForm::yearsAndIssueDateAreConsistent() {
    const std::int32_t begin = parseIntOr(fromQt(YearBegin_CB->currentText()), 0);
    const std::int32_t end = parseIntOr(fromQt(YearEnd_CB->currentText()), 0);
    if (begin < FirstCheckedBeginYear || end < FirstCheckedEndYear ||
        IsDuplicateDocumentType(fromQt(DType_CB->currentText()))) {
        return true;
    }
    if (begin > end) {
        showMessage("Дата окончания должна быть больше даты начала обучения ");
        YearEnd_CB->setFocus();
        return false;
    }
    if (IssDate_C->date().year() < end) {
        showMessage("Дата выдачи диплома должна быть больше даты окончания");
        YearEnd_CB->setFocus();
        return false;
    }
    return true;
}

void TEditDiplomForm::showMessage(const char* utf8) {
    app_.prompts.showMessage(QString::fromUtf8(utf8));
}

QLineEdit* TEditDiplomForm::textEditOf(FieldIndex field) const {
    switch (field) {
    case RegNum:
        return RegNo_Edit;
    case F:
        return F_Edit;
    case I:
        return I_Edit;
    case O:
        return O_Edit;
    case Ser:
        return DSeria_Edit;
    case Num:
        return DNum_Edit;
    case Pasp:
        return PasportEdit;
    default:
        return nullptr;
    }
}

QComboBox* TEditDiplomForm::editableListOf(FieldIndex field) const {
    switch (field) {
    case Start:
        return YearBegin_CB;
    case Stop:
        return YearEnd_CB;
    case Spec:
        return SName_CB;
    case Spz:
        return Specialization_CB;
    case Kw:
        return Kw_CB;
    default:
        return nullptr;
    }
}

std::string TEditDiplomForm::fieldText(FieldIndex field) const {
    if (const QLineEdit* edit = textEditOf(field)) {
        return fromQt(edit->text());
    }
    if (const QComboBox* list = editableListOf(field)) {
        return fromQt(list->currentText());
    }
    switch (field) {
    case Level:
        return std::to_string(EduLevel_CB->currentIndex());
    case DocType:
        return std::to_string(DType_CB->currentIndex());
    case Create: {
        const QDate date = IssDate_C->date();
        return formatDate(Date{date.year(), date.month(), date.day()});
    }
    default:
        return {};
    }
}

void TEditDiplomForm::setFieldText(FieldIndex field, std::string_view cp1251) {
    if (QLineEdit* edit = textEditOf(field)) {
        edit->setText(toQt(cp1251));
        return;
    }
    if (QComboBox* list = editableListOf(field)) {
        list->setEditText(toQt(cp1251));
        return;
    }
    switch (field) {
    case Level:
        selectCode(*EduLevel_CB, cp1251);
        break;
    case DocType:
        selectCode(*DType_CB, cp1251);
        break;
    case Create: {
        const Date date = parseDate(cp1251);
        IssDate_C->setDate(QDate(date.year, date.month, date.day));
        break;
    }
    default:
        break;
    }
}

void TEditDiplomForm::setSchoolName(std::string_view cp1251) {
    SchoolNameLabel->setText(toQt(cp1251));
}

void TEditDiplomForm::focusRegistrationNumber() {
    RegNo_Edit->setFocus();
}
