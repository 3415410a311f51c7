#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sced {

// The lines of a text, split at "\n"; a line break at the end ends the last
// line and opens no new one.
std::vector<std::string_view> SplitLines(std::string_view text);

// The difference of two texts' lines in unified diff style: a hunk heads
// "@@ -FIRST,COUNT +FIRST,COUNT @@" (lines counted from 1, ",1" left out),
// then its lines after " " (in both), "-" (only before) or "+" (only after),
// with up to `context` unchanged lines around each change. Nothing when the
// lines are equal. The edit is the shortest one unless the texts differ in
// more than a few thousand lines, where the differing middle is shown as
// taken out and put in whole, so that the time stays bounded.
std::vector<std::string> UnifiedDiff(const std::vector<std::string_view>& before,
                                     const std::vector<std::string_view>& after, int context = 3);

// The pairs of positions of the items that the edit of UnifiedDiff keeps
// from a to b, in order.
std::vector<std::pair<int, int>> KeptItems(const std::vector<int>& a, const std::vector<int>& b);

}  // namespace sced
