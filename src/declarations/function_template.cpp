#include "declarations/function_template.h"

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/text_reader.h"

namespace sced {

void Template::AddArg(ArgKind kind, std::string_view defText, std::string_view operation) {
    Check(argCount >= 0 && argCount < kMaxArgs,
          "Template::" + std::string(operation) + " - cannot add the argument.");
    auto slot = static_cast<std::size_t>(argCount);
    argKind[slot] = kind;
    argConst[slot] = 0;
    argLow[slot] = 0;
    argHigh[slot] = 0;
    argDefText[slot] = defText;
    argGroup[slot].clear();
    ++argCount;
}

void Template::AddArgGroup(std::string_view group) {
    AddArg(KindGroup, "group", "AddArgGroup");
    argGroup[static_cast<std::size_t>(argCount - 1)] = group;
}

void Template::AddIntConst(std::int32_t value) {
    AddArg(KindConst, "const", "AddIntConst");
    argConst[static_cast<std::size_t>(argCount - 1)] = value;
}

void Template::AddArgChInteger(std::int32_t low, std::int32_t high) {
    AddArg(KindChInt, "chint", "AddArgChInteger");
    argLow[static_cast<std::size_t>(argCount - 1)] = low;
    argHigh[static_cast<std::size_t>(argCount - 1)] = high;
}

void Template::SetArgDefText(int index, std::string_view defText) {
    Check(index >= 0 && index < argCount,
          "Template::SetArgDefText - argument index is out of range.");
    argDefText[static_cast<std::size_t>(index)] = defText;
}

void Template::ParsePlaceholders() {
    placeholderCount = 0;
    std::string_view rest = text;
    std::string number;
    for (;;) {
        std::size_t open = rest.find('<');
        if (open == std::string_view::npos) return;
        rest.remove_prefix(open + 1);
        std::size_t length = ReadIntegerToken(rest, number);
        Check(length > 0, "Error in template string - no integer after <.");
        std::size_t close = rest.find('>', length);
        Check(close != std::string_view::npos, "Error in template string - no enclosing >.");
        Check(placeholderCount < kMaxPlaceholders,
              "Template::ParsePlaceholders - the display text of " + name +
                  " has more than 8 placeholders.");
        Placeholder& placeholder = placeholders[static_cast<std::size_t>(placeholderCount++)];
        placeholder = Placeholder{};
        placeholder.argIndex = ParseInteger(number) - 1;
        rest.remove_prefix(close + 1);
    }
}

std::string Template::ValidateInteger(int placeholder, std::string_view value) const {
    bool known = placeholder >= 0 && placeholder < placeholderCount;
    int arg = known ? placeholders[static_cast<std::size_t>(placeholder)].argIndex : -1;
    Check(known && arg >= 0 && arg < argCount && argKind[static_cast<std::size_t>(arg)] == KindChInt,
          "Template::ValidateInteger - trying to validate naturally non-integer value for being "
          "integer.");
    auto slot = static_cast<std::size_t>(arg);
    std::int32_t low = argLow[slot];
    std::int32_t high = argHigh[slot];
    std::optional<std::int32_t> number = WholeNumber(value);
    bool inRange = number && *number >= low && (high == -1 || *number <= high);
    if (inRange) return {};
    if (high == -1)
        return Lookup("txtPleaseInt") + ", " + Lookup("txtGreater") + " " + std::to_string(low) + ".";
    return Lookup("txtPleaseInt") + Lookup("txtBetween") + " " + std::to_string(low) + " " +
           Lookup("txtAnd") + " " + std::to_string(high) + ".";
}

std::string_view ComparisonOperator(std::int32_t index) {
    static constexpr std::string_view kOperators[] = {"==", "!=", ">", "<"};
    return index >= 0 && index < 4 ? kOperators[index] : std::string_view();
}

}  // namespace sced
