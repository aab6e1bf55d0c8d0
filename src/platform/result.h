#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quillet {

// What an operation that can fail gives back: success, or the failure's text, which names what
// failed.
class Result {
public:
    Result() = default; // success
    static Result success() { return Result(); }
    static Result failure(std::string text) { return Result(std::move(text)); }

    bool ok() const { return !m_failure; }
    // Empty on success.
    const std::string& failure_text() const
    {
        static const std::string none;
        return m_failure ? *m_failure : none;
    }

private:
    explicit Result(std::string failure) : m_failure(std::move(failure)) {}

    std::optional<std::string> m_failure;
};

}
