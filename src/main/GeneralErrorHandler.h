#pragma once

#include <functional>

class UserPrompts;

// The application's one general error handler. Runs a command; an exception that leaves it is
// shown to the user in a message box and the program goes on. Commands themselves catch nothing.
// Gives false when the command ended with an error.
bool runReportingErrors(UserPrompts& prompts, const std::function<void()>& command);
