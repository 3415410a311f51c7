#include "core/editor_texts.h"

#include <array>

#include "core/string_table.h"

namespace sced {

namespace {

constexpr std::array kAll = {
    text::kEditorName,       text::kFind,          text::kFindHint,      text::kFound,          text::kFilter,
    text::kWhereUsed,        text::kNotUsed,       text::kNoUses,        text::kOneProblem,     text::kProblems,
    text::kNoProblems,       text::kSaveWithProblems, text::kLeftOut,     text::kScriptUnread,
    text::kLostNames,        text::kUsedBy,        text::kClose,          text::kScript,
    text::kTriggerName,      text::kRepeatCount,   text::kRestoreQuestion, text::kRestore,
    text::kDiscard,          text::kRecoveryUnreadable, text::kRecoveryFailed, text::kGameNotStarted,
    text::kMapEditorNotStarted, text::kNoProgram,  text::kNoWine,         text::kDidNotStart,
    text::kMapOutside,       text::kBlankName,     text::kNoPicture,      text::kNotSaved,
    text::kDifferences,      text::kNoDifferences,
    text::kReplaceWith,      text::kReplaceCaption, text::kReplaceOne,    text::kReplaceMany,
    text::kNoReplacement,    text::kNothingReplaced,
};

}  // namespace

std::string Say(const EditorText& text, std::initializer_list<std::string_view> arguments) {
    const StringTable& table = StringTable::Instance();
    const std::string pattern = table.Has(text.key) ? table.Lookup(text.key) : std::string(text.english);
    std::string said;
    said.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && number < arguments.size()) {
            said += *(arguments.begin() + number);
            ++at;
        } else if (pattern[at] == '\\' && next == 'n') {
            // A table line cannot hold a line break: "\n" stands for one.
            said += '\n';
            ++at;
        } else {
            said += pattern[at];
        }
    }
    return said;
}

std::span<const EditorText> EditorTexts() { return kAll; }

}  // namespace sced
