#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sced {

// What one argument of a declared function holds.
enum ArgKind : std::int32_t {
    KindGroup = 0,        // the index of an item of the object group argGroup
    KindConst = 1,        // the fixed integer argConst
    KindChInt = 2,        // an integer chosen from argLow to argHigh (-1: no bound)
    KindGroupNumber = 3,  // the number of an entry of a list ("unittypes", "pages", ...)
};

// How a call is written to the script.
enum Form : std::int32_t {
    FormCall = 0,     // name( args )
    FormNot = 1,      // !name( args )
    FormAssign = 2,   // VarN=name( args after the first )
    FormCompare = 3,  // name( args ) OP last, OP chosen by the second-to-last
};

inline constexpr int kMaxArgs = 7;
inline constexpr int kArgSlots = 8;
inline constexpr int kMaxPlaceholders = 8;

// One "<N label>" of a display template: which argument it shows. Whether
// it has a value belongs to each command (TermCommand::unfilled).
struct Placeholder {
    std::int32_t argIndex = 0;
};

// One declared script function.
class Template {
public:
    Template() = default;
    virtual ~Template() = default;
    Template(const Template&) = default;
    Template& operator=(const Template&) = default;

    void AddArgGroup(std::string_view group);
    void AddIntConst(std::int32_t value);
    void AddArgChInteger(std::int32_t low, std::int32_t high);
    void SetArgDefText(int index, std::string_view text);

    // Rebuilds the placeholders from the display template.
    void ParsePlaceholders();
    // Empty when the text is an acceptable value for the integer argument
    // shown by the placeholder; otherwise the message for the designer.
    std::string ValidateInteger(int placeholder, std::string_view text) const;

    std::string GetName() const { return name; }

    std::string menuGroup;
    bool isCondition = false;
    std::string text;
    std::string listText;
    std::string name;
    std::array<std::int32_t, kArgSlots> argConst{};
    std::array<ArgKind, kArgSlots> argKind{};
    std::array<std::string, kArgSlots> argDefText;
    std::array<std::string, kArgSlots> argGroup;
    std::array<std::int32_t, kArgSlots> argLow{};
    std::array<std::int32_t, kArgSlots> argHigh{};
    std::array<Placeholder, kMaxPlaceholders> placeholders{};
    std::int32_t placeholderCount = 0;
    std::int32_t argCount = 0;
    std::int32_t form = FormCall;

private:
    void AddArg(ArgKind kind, std::string_view defText, std::string_view operation);
};

// The text of a comparison operator (0 "==", 1 "!=", 2 ">", 3 "<"); empty
// for any other index.
std::string_view ComparisonOperator(std::int32_t index);

}  // namespace sced
