#pragma once

#include <QDialog>

#include <functional>

struct AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The institution attributes: the issue year being registered and the institution that issues
// the documents. OK writes both to the attributes file and puts them into effect at once.
// Institution names depend on the date, so the dialog offers the names in force in the chosen
// year, can narrow them to names containing a text, and shows the chosen name's period.
// Created, shown modally and freed by its caller each time.
class TSchoolLevelForm : public QDialog {
    Q_OBJECT
public:
    // afterSave runs once OK has saved the attributes (the document form re-initialises itself;
    // at start-up, before that form exists, it may do nothing). currentYear gives the clock's
    // year for the year list; empty means the system clock.
    TSchoolLevelForm(AppContext& app, std::function<void()> afterSave, QWidget* parent = nullptr,
                     std::function<int()> currentYear = {});

    void FormCreate();
    void SelectSchools();
    void Year_CBChange(const QString& text);
    void FilterButtonClick();
    void SchoolName_CBChange();
    void Button1Click();
    void SpeedButton2Click();

private:
    void buildControls();
    void fillNames(const std::vector<std::string>& names);

    AppContext& app_;
    std::function<void()> afterSave_;
    std::function<int()> currentYear_;

    QLabel* Label2 = nullptr;
    QComboBox* Year_CB = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* FilterEdit = nullptr;
    QPushButton* FilterButton = nullptr;
    QComboBox* SchoolName_CB = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
};
