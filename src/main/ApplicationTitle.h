#pragma once

#include <QString>

// The program's name as its windows and message boxes show it.
inline const QString ApplicationTitle = QStringLiteral("Свидарий");
