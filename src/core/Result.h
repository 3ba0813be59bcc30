#pragma once

#include <QString>

#include <utility>

// The outcome of an operation that can fail with a message for the user.
struct Status
{
    bool ok = true;
    QString message;

    static Status success() { return {}; }
    static Status failure(QString msg) { return {false, std::move(msg)}; }
    explicit operator bool() const { return ok; }
};

template <typename T>
struct Result
{
    T value{};
    bool ok = true;
    QString message;

    static Result success(T v) { return {std::move(v), true, {}}; }
    static Result failure(QString msg) { return {T{}, false, std::move(msg)}; }
    explicit operator bool() const { return ok; }
};
