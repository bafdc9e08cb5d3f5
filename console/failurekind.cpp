// The kinds of failure a program's last catch names.
#include "failurekind.h"

#include <ios>
#include <new>
#include <stdexcept>
#include <system_error>

#include "systemerror.h"

std::string failureKind(const std::exception& failure) {
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) return "out of memory";
    if (const auto* system = dynamic_cast<const std::system_error*>(&failure)) {
        const std::error_condition condition = system->code().default_error_condition();
        if (condition.category() == std::generic_category()) {
            return "a system error: " + systemErrorText(condition.value());
        }
        if (dynamic_cast<const std::ios_base::failure*>(&failure) != nullptr) {
            return "a stream failed to read or write";
        }
        return "a system error (code " + std::to_string(system->code().value()) + ")";
    }
    if (dynamic_cast<const std::logic_error*>(&failure) != nullptr) {
        return "a fault in the program (a logic error); please report it";
    }
    if (dynamic_cast<const std::runtime_error*>(&failure) != nullptr) {
        return "a failure while running";
    }
    return "a failure of an unknown kind";
}

int reportUnexpectedFailure(const char* program, std::ostream& errors) {
    try {
        throw;
    } catch (const std::exception& failure) {
        errors << program << ": stopped by an unexpected failure: " << failureKind(failure) << '\n';
    } catch (...) {
        errors << program << ": stopped by an unexpected failure of an unknown kind\n";
    }
    return 1;
}
