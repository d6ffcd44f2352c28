#include "SchoolLevelForm.h"

#include "core/Numbers.h"
#include "core/ReferenceFiles.h"
#include "core/SchoolSelection.h"
#include "main/AppContext.h"
#include "main/GeneralErrorHandler.h"
#include "main/QtText.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace svidary;

namespace {

int systemYear() {
    return QDate::currentDate().year();
}

QPushButton* makeFlatButton(const QString& text, const char* objectName, int width) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setFixedWidth(width);
    return button;
}

QLabel* makeLabel(const QString& text, const char* objectName) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

TSchoolLevelForm::TSchoolLevelForm(AppContext& app, std::function<void()> afterSave,
                                   QWidget* parent, std::function<int()> currentYear)
    : QDialog(parent), app_(app), afterSave_(std::move(afterSave)),
      currentYear_(currentYear ? std::move(currentYear) : std::function<int()>(systemYear)) {
    setObjectName(QStringLiteral("SchoolLevelForm"));
    setWindowTitle(QStringLiteral("Атрибуты учебного заведения"));
    // A title and nothing else: no close box, no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();
    FormCreate();

    connect(Year_CB, &QComboBox::editTextChanged, this, &TSchoolLevelForm::Year_CBChange);
    connect(FilterButton, &QPushButton::clicked, this, &TSchoolLevelForm::FilterButtonClick);
    connect(SchoolName_CB, &QComboBox::activated, this, &TSchoolLevelForm::SchoolName_CBChange);
    connect(SpeedButton1, &QPushButton::clicked, this, &TSchoolLevelForm::Button1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TSchoolLevelForm::SpeedButton2Click);
}

void TSchoolLevelForm::buildControls() {
    Label2 = makeLabel(QStringLiteral("Дата выдачи документа об образовании"), "Label2");
    Year_CB = new QComboBox;
    Year_CB->setObjectName(QStringLiteral("Year_CB"));
    Year_CB->setEditable(true);
    Year_CB->setInsertPolicy(QComboBox::NoInsert);
    Year_CB->setCompleter(nullptr);
    Year_CB->setFixedWidth(145);

    Label3 = makeLabel(
        QStringLiteral("Наименование учреждения образования, выдавшего документ об образовании"),
        "Label3");
    FilterEdit = new QLineEdit;
    FilterEdit->setObjectName(QStringLiteral("FilterEdit"));
    FilterEdit->setFixedWidth(121);
    FilterButton = new QPushButton(QStringLiteral("Фильтр"));
    FilterButton->setObjectName(QStringLiteral("FilterButton"));
    FilterButton->setAutoDefault(false);
    FilterButton->setFixedWidth(75);

    SchoolName_CB = new QComboBox;
    SchoolName_CB->setObjectName(QStringLiteral("SchoolName_CB"));
    SchoolName_CB->setFixedWidth(689);
    Label1 = makeLabel(QString(), "Label1");

    SpeedButton2 = makeFlatButton(QStringLiteral("Отмена"), "SpeedButton2", 81);
    SpeedButton1 = makeFlatButton(QStringLiteral("OK"), "SpeedButton1", 73);

    auto* filterRow = new QHBoxLayout;
    filterRow->setSpacing(15);
    filterRow->addWidget(FilterEdit);
    filterRow->addWidget(FilterButton);
    filterRow->addStretch();

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(7);
    buttonRow->addStretch();
    buttonRow->addWidget(SpeedButton2);
    buttonRow->addWidget(SpeedButton1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 10, 8);
    page->setSpacing(4);
    page->addWidget(Label2);
    page->addWidget(Year_CB);
    page->addSpacing(6);
    page->addWidget(Label3);
    page->addLayout(filterRow);
    page->addWidget(SchoolName_CB);
    page->addWidget(Label1);
    page->addLayout(buttonRow);
    page->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(SchoolName_CB, FilterEdit);
    setTabOrder(FilterEdit, FilterButton);
    setTabOrder(FilterButton, Year_CB);
    SchoolName_CB->setFocus();
}

void TSchoolLevelForm::FormCreate() {
    Year_CB->clear();
    for (const int year : attributeYears(currentYear_())) {
        Year_CB->addItem(QString::number(year));
    }
    Year_CB->setEditText(QString::number(app_.refs.AttribYear));
    SelectSchools();

    // The installation's institution, when its name is offered for the year; the last item
    // of that name wins.
    for (const auto& entry : app_.refs.SchoolTable.entries()) {
        if (entry.Code != app_.refs.AttribSchoolCode) {
            continue;
        }
        const QString name = toQt(entry.Name);
        for (int i = 0; i < SchoolName_CB->count(); ++i) {
            if (SchoolName_CB->itemText(i) == name) {
                SchoolName_CB->setCurrentIndex(i);
            }
        }
    }
    SchoolName_CBChange();
}

void TSchoolLevelForm::SelectSchools() {
    runReportingErrors(app_.prompts, [this] {
        const std::int32_t year = parseInt(fromQt(Year_CB->currentText()));
        SchoolName_CB->clear();
        fillNames(namesOfYear(app_.refs.SchoolTable, year));
        SchoolName_CB->setCurrentIndex(0);
    });
}

// Only a complete four-character year refreshes the list, so typing 2, 20 and 200 on the way
// to 2003 changes nothing.
void TSchoolLevelForm::Year_CBChange(const QString& text) {
    if (text.size() == 4 && tryParseInt(fromQt(text))) {
        SelectSchools();
    }
}

void TSchoolLevelForm::FilterButtonClick() {
    SchoolName_CB->clear();
    runReportingErrors(app_.prompts, [this] {
        const std::int32_t year = parseInt(fromQt(Year_CB->currentText()));
        fillNames(filteredNames(app_.refs.SchoolTable, year, fromQt(FilterEdit->text())));
        // The user picks a name from the new list; the period stays as it was.
        SchoolName_CB->setCurrentIndex(-1);
    });
}

void TSchoolLevelForm::SchoolName_CBChange() {
    Label1->setText(toQt(periodLabel(app_.refs.SchoolTable, fromQt(SchoolName_CB->currentText()))));
}

// The year is converted before anything is written, and the file is written whole or not at
// all; a failure leaves the file, the attributes and the dialog as they were. With no name
// chosen the previous institution is kept.
void TSchoolLevelForm::Button1Click() {
    Attributes attributes;
    const bool saved = runReportingErrors(app_.prompts, [&] {
        attributes.year = parseInt(fromQt(Year_CB->currentText()));
        attributes.schoolCode = app_.refs.AttribSchoolCode;
        if (SchoolName_CB->currentIndex() >= 0) {
            const std::int32_t code =
                app_.refs.SchoolCodeByName(fromQt(SchoolName_CB->currentText()));
            if (code != -1) {
                attributes.schoolCode = code;
            }
        }
        writeAttributesFile(referenceFilePath(app_.filesDir, "Attrib.xml"), attributes);
    });
    if (!saved) {
        return;
    }
    app_.refs.AttribSchoolCode = attributes.schoolCode;
    app_.refs.AttribYear = attributes.year;
    if (afterSave_) {
        afterSave_();
    }
    accept();
}

void TSchoolLevelForm::SpeedButton2Click() {
    reject();
}

void TSchoolLevelForm::fillNames(const std::vector<std::string>& names) {
    for (const auto& name : names) {
        SchoolName_CB->addItem(toQt(name));
    }
}
