#pragma once

#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

namespace qb {

// Why something failed, as far as a caller words it differently: Load Data tells a missing file
// from one that is there but cannot be read.
enum class Cause {
    Missing,      // no such file or folder
    NoAccess,     // refused: permissions, a read-only medium
    NotAFile,     // a folder, a FIFO or a device where a regular file was expected
    IoFailure,    // the medium failed or is full, or anything else the system reported
    InvalidInput, // a text or an argument that does not parse
};

// A failure: its cause, the system's own code when the system reported it, and the text the
// installer reads, naming what failed.
struct Error {
    Cause cause = Cause::IoFailure;
    std::error_code code;
    std::string text;

    // The system's wording of the failure ("Permission denied"); for a failure the system did
    // not report, the cause's.
    std::string reason() const {
        if (code) {
            return code.message();
        }
        switch (cause) {
        case Cause::Missing:
            return "Not found";
        case Cause::NoAccess:
            return "Access refused";
        case Cause::NotAFile:
            return "Not a regular file";
        case Cause::IoFailure:
            return "Input/output failure";
        case Cause::InvalidInput:
            break;
        }
        return "Invalid input";
    }
};

// A value, or the error that stood in its way. Asking a failed result for its value (or a
// successful one for its error) is a programming error and throws.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, Error> m_state;
};

// Success, or the error that stood in its way.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)) {}

    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }

    const Error& error() const { return m_error.value(); }

private:
    std::optional<Error> m_error;
};

} // namespace qb
