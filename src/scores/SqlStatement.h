// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

namespace orvane {

// One prepared statement of the history, finalised when it goes out of scope. A failure
// is kept and turns the later steps into nothing.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) :
        db_(db), code_(sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr))
    {
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int64_t value)
    {
        return Bound([&](int at) { return sqlite3_bind_int64(statement_, at, value); });
    }
    Statement& Bind(double value)
    {
        return Bound([&](int at) { return sqlite3_bind_double(statement_, at, value); });
    }
    Statement& Bind(const std::string& value)
    {
        return Bound([&](int at) {
            return sqlite3_bind_text(
                statement_, at, value.c_str(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        });
    }
    Statement& Bind(std::span<const uint8_t> bytes)
    {
        return Bound([&](int at) {
            return sqlite3_bind_blob64(
                statement_, at, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
        });
    }
    // NULL for a value that is absent.
    template<typename Value> Statement& Bind(const std::optional<Value>& value)
    {
        if (!value)
            return Bound([&](int at) { return sqlite3_bind_null(statement_, at); });
        if constexpr (std::is_same_v<Value, std::string>)
            return Bind(*value);
        else
            return Bind(static_cast<std::conditional_t<std::is_integral_v<Value>, int64_t, double>>(
                *value));
    }

    // True while a row is there to read.
    bool Step()
    {
        if (code_ != SQLITE_OK && code_ != SQLITE_ROW)
            return false;
        code_ = sqlite3_step(statement_);
        return code_ == SQLITE_ROW;
    }
    int64_t Integer(int column) const { return sqlite3_column_int64(statement_, column); }
    double Real(int column) const { return sqlite3_column_double(statement_, column); }
    bool Null(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    std::optional<int32_t> OptionalInteger(int column) const
    {
        if (Null(column))
            return std::nullopt;
        return static_cast<int32_t>(Integer(column));
    }
    std::optional<double> OptionalReal(int column) const
    {
        if (Null(column))
            return std::nullopt;
        return Real(column);
    }
    std::optional<std::string> OptionalText(int column) const
    {
        if (Null(column))
            return std::nullopt;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement_, column)));
    }
    std::span<const uint8_t> Blob(int column) const
    {
        const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(statement_, column));
        return {bytes, static_cast<size_t>(sqlite3_column_bytes(statement_, column))};
    }
    bool Done() const { return code_ == SQLITE_DONE; }
    int Code() const { return code_; }
    std::string Reason() const { return sqlite3_errmsg(db_); }

private:
    template<typename Binding> Statement& Bound(Binding bind)
    {
        ++bound_;
        if (code_ == SQLITE_OK)
            code_ = bind(bound_);
        return *this;
    }

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    int code_ = SQLITE_OK;
    int bound_ = 0;
};

inline int Execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace orvane
