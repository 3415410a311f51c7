#include "editing/line_diff.h"

#include <algorithm>
#include <unordered_map>

namespace sced {

namespace {

// Past this many differing lines the shortest edit is no longer sought.
constexpr int kMostEdits = 2000;

enum class Op : char { kSame = ' ', kOut = '-', kIn = '+' };

// The shortest edit between a and b (Myers), as one operation per line.
std::vector<Op> ShortestEdit(const std::vector<int>& a, const std::vector<int>& b) {
    const int n = static_cast<int>(a.size());
    const int m = static_cast<int>(b.size());
    const int most = std::min(n + m, kMostEdits);
    std::vector<int> v(static_cast<std::size_t>(2 * most + 3), 0);
    const int offset = most + 1;
    auto at = [&](int k) -> int& { return v[static_cast<std::size_t>(k + offset)]; };
    // The frontier of each step, k from -d to d, to walk the edit back.
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= most && found < 0; ++d) {
        for (int k = -d; k <= d; k += 2) {
            int x = k == -d || (k != d && at(k - 1) < at(k + 1)) ? at(k + 1) : at(k - 1) + 1;
            int y = x - k;
            while (x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]) ++x, ++y;
            at(k) = x;
            if (x >= n && y >= m) found = d;
        }
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
    }
    std::vector<Op> ops;
    if (found < 0) {
        ops.assign(static_cast<std::size_t>(n), Op::kOut);
        ops.insert(ops.end(), static_cast<std::size_t>(m), Op::kIn);
        return ops;
    }
    int x = n, y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& before = trace[static_cast<std::size_t>(d - 1)];
        auto reached = [&](int k) { return before[static_cast<std::size_t>(k + d - 1)]; };
        const int k = x - y;
        const bool down = k == -d || (k != d && reached(k - 1) < reached(k + 1));
        const int previousK = down ? k + 1 : k - 1;
        const int previousX = reached(previousK);
        const int previousY = previousX - previousK;
        for (; x > (down ? previousX : previousX + 1); --x, --y) ops.push_back(Op::kSame);
        ops.push_back(down ? Op::kIn : Op::kOut);
        x = previousX;
        y = previousY;
    }
    for (; x > 0; --x) ops.push_back(Op::kSame);
    std::reverse(ops.begin(), ops.end());
    return ops;
}

// The edit from a to b: their common start and end need no search.
std::vector<Op> EditOf(const std::vector<int>& a, const std::vector<int>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    std::vector<Op> ops(head, Op::kSame);
    if (head == a.size() && head == b.size()) return ops;
    auto middle = [&](const std::vector<int>& v) {
        return std::vector<int>(v.begin() + static_cast<std::ptrdiff_t>(head),
                                v.end() - static_cast<std::ptrdiff_t>(tail));
    };
    std::vector<Op> edit = ShortestEdit(middle(a), middle(b));
    ops.insert(ops.end(), edit.begin(), edit.end());
    ops.insert(ops.end(), tail, Op::kSame);
    return ops;
}

std::string Range(int first, int count) {
    // An empty range names the line before it.
    std::string text = std::to_string(count == 0 ? first : first + 1);
    return count == 1 ? text : text + "," + std::to_string(count);
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::pair<int, int>> KeptItems(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<std::pair<int, int>> kept;
    int x = 0, y = 0;
    for (Op op : EditOf(a, b)) {
        if (op == Op::kSame) kept.emplace_back(x, y);
        if (op != Op::kIn) ++x;
        if (op != Op::kOut) ++y;
    }
    return kept;
}

std::vector<std::string> UnifiedDiff(const std::vector<std::string_view>& before,
                                     const std::vector<std::string_view>& after, int context) {
    // The lines are compared by numbers that stand for them.
    std::unordered_map<std::string_view, int> numbers;
    auto numbered = [&](const std::vector<std::string_view>& lines) {
        std::vector<int> out;
        out.reserve(lines.size());
        for (std::string_view line : lines)
            out.push_back(numbers.try_emplace(line, static_cast<int>(numbers.size())).first->second);
        return out;
    };
    const std::vector<int> a = numbered(before);
    const std::vector<int> b = numbered(after);
    if (a == b) return {};
    const std::vector<Op> ops = EditOf(a, b);

    // Where each operation starts in either text.
    std::vector<std::pair<int, int>> where;
    where.reserve(ops.size() + 1);
    int x = 0, y = 0;
    for (Op op : ops) {
        where.emplace_back(x, y);
        if (op != Op::kIn) ++x;
        if (op != Op::kOut) ++y;
    }
    where.emplace_back(x, y);

    std::vector<std::string> lines;
    const int count = static_cast<int>(ops.size());
    for (int i = 0; i < count;) {
        if (ops[static_cast<std::size_t>(i)] == Op::kSame) {
            ++i;
            continue;
        }
        // A hunk: the changes no further apart than twice the context.
        int start = std::max(0, i - context);
        int end = i;
        for (int same = 0; end < count && same <= 2 * context; ++end)
            same = ops[static_cast<std::size_t>(end)] == Op::kSame ? same + 1 : 0;
        // Back to the last change, then the context after it.
        while (end > i && ops[static_cast<std::size_t>(end - 1)] == Op::kSame) --end;
        end = std::min(count, end + context);
        auto [a0, b0] = where[static_cast<std::size_t>(start)];
        auto [a1, b1] = where[static_cast<std::size_t>(end)];
        lines.push_back("@@ -" + Range(a0, a1 - a0) + " +" + Range(b0, b1 - b0) + " @@");
        for (int j = start; j < end; ++j) {
            Op op = ops[static_cast<std::size_t>(j)];
            auto [aj, bj] = where[static_cast<std::size_t>(j)];
            std::string_view text = op == Op::kIn ? after[static_cast<std::size_t>(bj)] : before[static_cast<std::size_t>(aj)];
            lines.push_back(static_cast<char>(op) + std::string(text));
        }
        i = end;
    }
    return lines;
}

}  // namespace sced
