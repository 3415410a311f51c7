#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace sced {

// One of the editor's own texts, beyond those the game's table has always
// carried: the key under which a translated "Data\str" gives it, and its
// English, shown when the table has no such key.
struct EditorText {
    std::string_view key;
    std::string_view english;
};

// The text of the string table, or its English; each "%1", "%2" ... takes
// the argument of its number, and "\n" in the table is a line break.
std::string Say(const EditorText& text, std::initializer_list<std::string_view> arguments = {});

// Every editor text, in the order the README lists them for translators.
std::span<const EditorText> EditorTexts();

namespace text {
inline constexpr EditorText kEditorName{"txtScedName", "Scenario Editor"};
inline constexpr EditorText kFind{"txtScedFind", "Find:"};
inline constexpr EditorText kFindHint{"txtScedFindHint", "a label, a text or a function"};
inline constexpr EditorText kFound{"txtScedFound", "%1 found"};
inline constexpr EditorText kFilter{"txtScedFilter", "Filter: type part of a function's text or name"};
inline constexpr EditorText kWhereUsed{"txtScedWhereUsed", "Where used"};
inline constexpr EditorText kNotUsed{"txtScedNotUsed", "not used"};
inline constexpr EditorText kNoUses{"txtScedNoUses", "The selection names nothing that other commands use."};
inline constexpr EditorText kOneProblem{"txtScedOneProblem", "1 problem"};
inline constexpr EditorText kProblems{"txtScedProblems", "%1 problems"};
inline constexpr EditorText kNoProblems{"txtScedNoProblems", "No problems found."};
inline constexpr EditorText kSaveWithProblems{"txtScedSaveProblems",
                                              "The mission has %1; Scenario > Check lists them. Save anyway?"};
inline constexpr EditorText kLeftOut{"txtScedLeftOut",
                                     "The command %1 of the trigger \"%2\" was left out when the mission was opened: "
                                     "it names \"%3\", which the mission does not have."};
inline constexpr EditorText kScriptUnread{"txtScedScriptUnread",
                                          "The mission script cannot be read or has no #SCRIPT block; the mission "
                                          "opens without triggers."};
inline constexpr EditorText kLostNames{"txtScedLostNames",
                                       "The command %1 of the trigger \"%2\" names %3, which the map does not have; "
                                       "it keeps the name until the map has it again or another is chosen."};
inline constexpr EditorText kUsedBy{"txtScedUsedBy", "Used by"};
inline constexpr EditorText kClose{"txtScedClose", "Close"};
inline constexpr EditorText kScript{"txtScedScript", "Script"};
inline constexpr EditorText kTriggerName{"txtScedTriggerName", "Name"};
inline constexpr EditorText kRepeatCount{"txtScedRepeatCount", "Repeat count (how often the trigger may fire)"};
inline constexpr EditorText kRestoreQuestion{"txtScedRestoreQuestion",
                                             "The editor ended with unsaved changes to the mission %1 (%2). Restore "
                                             "them?"};
inline constexpr EditorText kRestore{"txtScedRestore", "Restore"};
inline constexpr EditorText kDiscard{"txtScedDiscard", "Discard"};
inline constexpr EditorText kRecoveryUnreadable{"txtScedRecoveryUnreadable",
                                                "The copy of unsaved work that the editor kept cannot be read; it was "
                                                "kept in %1."};
inline constexpr EditorText kRecoveryFailed{"txtScedRecoveryFailed",
                                            "%1\nThe changes cannot be restored; they were kept in %2."};
inline constexpr EditorText kGameNotStarted{"txtScedNoGame", "The game cannot be started: %1"};
inline constexpr EditorText kMapEditorNotStarted{"txtScedNoMapEditor", "The map editor cannot be started: %1"};
inline constexpr EditorText kNoProgram{"txtScedNoProgram", "there is no %1 in the game folder %2."};
inline constexpr EditorText kNoWine{"txtScedNoWine",
                                    "%1 is a Windows program and there is no wine on the PATH to run it."};
inline constexpr EditorText kDidNotStart{"txtScedDidNotStart", "%1 did not start (%2)."};
inline constexpr EditorText kMapOutside{"txtScedMapOutside",
                                        "The mission's map lies outside the game folder:\n%1\nSaving writes the "
                                        "mission's path into that map. Save?"};
inline constexpr EditorText kBlankName{"txtScedBlankName", "%1 (its name has a blank: not usable)"};
inline constexpr EditorText kNoPicture{"txtScedNoPicture",
                                       "The page's picture %1 of %2 no longer exists; the page starts on the first "
                                       "picture."};
inline constexpr EditorText kNotSaved{"txtScedNotSaved", "The mission was not saved: %1"};
inline constexpr EditorText kDifferences{"txtScedDifferences", "Differences from %1"};
inline constexpr EditorText kNoDifferences{"txtScedNoDifferences", "No differences."};
inline constexpr EditorText kReplaceWith{"txtScedReplaceWith", "Replace with\x85"};
inline constexpr EditorText kReplaceCaption{"txtScedReplaceCaption", "Every use of %1 takes instead:"};
inline constexpr EditorText kReplaceOne{"txtScedReplaceOne", "Replace %1 by %2 in 1 command?"};
inline constexpr EditorText kReplaceMany{"txtScedReplaceMany", "Replace %1 by %2 in %3 commands?"};
inline constexpr EditorText kNoReplacement{"txtScedNoReplacement", "Nothing else of the kind of %1 can take its place."};
inline constexpr EditorText kNothingReplaced{"txtScedNothingReplaced", "No command uses %1 where %2 can stand."};
}  // namespace text

}  // namespace sced
