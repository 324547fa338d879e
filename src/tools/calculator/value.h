// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace maprune {

// An object that a calculator host handed out: a handle valid during one
// evaluation only, and the class name that messages and method calls name.
struct ObjectRef {
    uint32_t Handle = 0;
    std::string ClassName;
    bool operator==(const ObjectRef&) const = default;
};

// The text every object reference shows: "$$CLASSREF$$" and the handle in
// eight upper-case hexadecimal digits. A string of this form is looked up
// among the handles of the running evaluation, never followed as an address.
inline constexpr std::string_view kClassRefPrefix = "$$CLASSREF$$";
inline constexpr std::string_view kRecordRefPrefix = "$$RECORDREF$$";

// A calculator value: unassigned (what a host leaves when it does not know
// a name), a 32-bit integer, a real, a string or an object reference.
class TValue {
public:
    TValue() = default;
    TValue(int32_t value) : FData(value) {}
    TValue(double value) : FData(value) {}
    TValue(std::string value) : FData(std::move(value)) {}
    TValue(const char* value) : FData(std::string(value)) {}
    TValue(ObjectRef value) : FData(std::move(value)) {}
    // The integer when `value` fits into 32 bits, else the real.
    static TValue FromWide(long double value);

    bool IsUnassigned() const { return FData.index() == 0; }
    bool IsInteger() const { return std::holds_alternative<int32_t>(FData); }
    bool IsReal() const { return std::holds_alternative<double>(FData); }
    bool IsNumber() const { return IsInteger() || IsReal(); }
    bool IsString() const { return std::holds_alternative<std::string>(FData); }
    bool IsObject() const { return std::holds_alternative<ObjectRef>(FData); }

    int32_t Integer() const { return std::get<int32_t>(FData); }
    double Real() const { return std::get<double>(FData); }
    const std::string& String() const { return std::get<std::string>(FData); }
    const ObjectRef& Object() const { return std::get<ObjectRef>(FData); }

    // The value as the calculator shows it: integers in decimal, reals with
    // up to 15 significant digits and "." as decimal point, strings as they
    // are, objects as their "$$CLASSREF$$" text, unassigned as "".
    std::string Text() const;
    // The number a value stands for: strings are read as decimal numbers;
    // throws Error for a string that is none, an object or unassigned.
    long double Number() const;
    // Number() rounded to the nearest integer (halves to even); throws Error
    // when the result leaves the 32-bit range.
    int32_t ToInteger() const;
    // False for integer 0, real 0 and the empty string, true otherwise.
    bool Truth() const;

    bool operator==(const TValue&) const = default;

private:
    std::variant<std::monostate, int32_t, double, std::string, ObjectRef> FData;
};

// "$$CLASSREF$$0000002A" for handle 42.
std::string ClassRefText(uint32_t handle);
// The handle of a text of that form; false for every other text.
bool ParseClassRef(std::string_view text, uint32_t& handle);

} // namespace maprune
