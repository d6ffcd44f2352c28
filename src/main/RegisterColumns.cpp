#include "RegisterColumns.h"

const std::array<RegisterColumnInfo, svidary::RegisterColumnCount>& registerColumns() {
    static const std::array<RegisterColumnInfo, svidary::RegisterColumnCount> columns = {{
        {QStringLiteral("RegNo_TLColumn"), QStringLiteral("Рег.номер"), 75},
        {QStringLiteral("EduLevel_TLColumn"), QStringLiteral("Уровень"), 55},
        {QStringLiteral("DocType_TLColumn"), QStringLiteral("Документ"), 74},
        {QStringLiteral("F_TLColumn"), QStringLiteral("Фамилия"), 72},
        {QStringLiteral("I_TLColumn"), QStringLiteral("Имя"), 61},
        {QStringLiteral("O_TLColumn"), QStringLiteral("Отчество"), 70},
        {QStringLiteral("Start_Column"), QStringLiteral("Пост."), 38},
        {QStringLiteral("Stop_Column"), QStringLiteral("Оконч."), 41},
        {QStringLiteral("Iss_Column"), QStringLiteral("Дата вруч."), 64},
        {QStringLiteral("Seria_TLColumn"), QStringLiteral("Серия"), 41},
        {QStringLiteral("Number_TLColumn"), QStringLiteral("Номер"), 46},
        {QStringLiteral("LNumber_TLColumn"), QStringLiteral("Личн.номер"), 66},
        {QStringLiteral("Spec_TLColumn"), QStringLiteral("Специальность"), 40},
        {QStringLiteral("Specialization_TLColumn"), QStringLiteral("Специализация"), 54},
        {QStringLiteral("Kw_TLColumn"), QStringLiteral("Квалификация"), 74},
        {QStringLiteral("SchoolName_TLColumn"), QStringLiteral("Учебное заведение"), 74},
    }};
    return columns;
}

int registerColumnIndex(const QString& objectName) {
    const auto& columns = registerColumns();
    for (int i = 0; i < svidary::RegisterColumnCount; ++i) {
        if (columns[static_cast<std::size_t>(i)].objectName == objectName) {
            return i;
        }
    }
    return -1;
}

QString registerColumnName(int column) {
    if (column < 0 || column >= svidary::RegisterColumnCount) {
        return {};
    }
    return registerColumns()[static_cast<std::size_t>(column)].objectName;
}
