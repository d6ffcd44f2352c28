#include "GeneralErrorHandler.h"

#include "UserPrompts.h"

#include <QString>

#include <exception>

bool runReportingErrors(UserPrompts& prompts, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        // Every error of the program carries a UTF-8 message ready for the user.
        prompts.showMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        prompts.showMessage(QStringLiteral("Неизвестная ошибка."));
    }
    return false;
}
