#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tav {

// Outcome of an operation that can fail: success, or a short reason a window
// may show to the user.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(QString reason) { return Status(std::move(reason)); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error; }

private:
    Status() = default;
    explicit Status(QString reason) : m_failed(true), m_error(std::move(reason)) {}

    bool m_failed = false;
    QString m_error;
};

// A value or the reason it could not be produced.
template <typename T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status failure) : m_error(failure.error()) {}

    static Result failure(QString reason) { return Result(Status::failure(std::move(reason))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T *operator->() const { return &*m_value; }
    T *operator->() { return &*m_value; }
    const T &operator*() const { return *m_value; }
    const QString &error() const { return m_error; }
    Status status() const { return ok() ? Status::success() : Status::failure(m_error); }

private:
    std::optional<T> m_value;
    QString m_error;
};

} // namespace tav
