#include "editing/edit_history.h"

#include <algorithm>
#include <cstdint>

#include "editing/selection.h"
#include "editing/trigger_references.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

TreeEffect ContentOf(const ListPlace& place, std::optional<TreePath> select) {
    return TreeEffect{TreeEffect::kTrigger, place.trigger, -1, select};
}

// The references to triggers follow the triggers as the list goes from
// `before` to `after` triggers. A reference outside the list (a damaged
// script's) stays outside it, as far past its end as it was, so that no
// renumbering makes it name a trigger.
void Renumber(Scenario& scenario, const ListPlace& place, int before, int after,
              const std::function<int(int)>& newPosition) {
    auto kept = [&](int t) {
        if (t < 0) return t;
        if (t >= before) return static_cast<int>(std::min<std::int64_t>(std::int64_t{t} - before + after, INT32_MAX));
        return newPosition(t);
    };
    if (place.references)
        place.references->Renumber(kept);
    else
        RenumberTriggerReferences(scenario, kept);
}

// The path selected when the element at the position is gone: its
// predecessor; the new first element when it was the first; the list's
// node when the list is empty.
TreePath AfterRemoval(const ListPlace& place, int position) {
    int size = place.list->count();
    if (size == 0) return place.path;
    return ElementPath(place.path, std::min(std::max(position - 1, 0), size - 1));
}

class InsertOrRemove : public EditStep {
public:
    InsertOrRemove(ListPlace place, int position, std::unique_ptr<Command> held, bool inserts)
        : place_(place), position_(position), held_(std::move(held)), inserts_(inserts) {}

    void Redo(Scenario& scenario) override { inserts_ ? Insert(scenario) : Remove(scenario); }
    void Undo(Scenario& scenario) override { inserts_ ? Remove(scenario) : Insert(scenario); }

    TreeEffect Effect(bool undone) const override {
        bool inserted = inserts_ != undone;
        TreePath select = inserted ? ElementPath(place_.path, position_) : AfterRemoval(place_, position_);
        if (!place_.isTriggerList()) return ContentOf(place_, select);
        return TreeEffect{inserted ? TreeEffect::kInsertTrigger : TreeEffect::kRemoveTrigger, position_, -1, select};
    }

private:
    // The references of the trigger put in already count it in its place;
    // only the others move.
    void Insert(Scenario& scenario) {
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n, n + 1, [p = position_](int t) { return t >= p ? t + 1 : t; });
        Command& command = place_.list->Insert(position_, std::move(held_));
        if (place_.references) place_.references->Added(command);
    }
    void Remove(Scenario& scenario) {
        held_ = place_.list->Unlink(position_);
        if (place_.references) place_.references->Removed(*held_);
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n + 1, n, [p = position_](int t) { return t > p ? t - 1 : t; });
    }

    ListPlace place_;
    int position_;
    std::unique_ptr<Command> held_;  // the command while it is out of the list
    bool inserts_;
};

class InsertBlock : public EditStep {
public:
    InsertBlock(ListPlace place, int position, std::vector<std::unique_ptr<Command>> held)
        : place_(place), position_(position), count_(static_cast<int>(held.size())), held_(std::move(held)) {}

    void Redo(Scenario& scenario) override {
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n, n + count_, [p = position_, k = count_](int t) { return t >= p ? t + k : t; });
        for (int k = 0; k < count_; ++k) {
            Command& command = place_.list->Insert(position_ + k, std::move(held_[static_cast<std::size_t>(k)]));
            if (place_.references) place_.references->Added(command);
        }
    }
    void Undo(Scenario& scenario) override {
        for (int k = count_ - 1; k >= 0; --k) {
            held_[static_cast<std::size_t>(k)] = place_.list->Unlink(position_ + k);
            if (place_.references) place_.references->Removed(*held_[static_cast<std::size_t>(k)]);
        }
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n + count_, n,
                     [p = position_, k = count_](int t) { return t >= p + k ? t - k : t; });
    }

    TreeEffect Effect(bool undone) const override {
        TreePath select = undone ? AfterRemoval(place_, position_) : ElementPath(place_.path, position_);
        if (!place_.isTriggerList()) return ContentOf(place_, select);
        return TreeEffect{undone ? TreeEffect::kRemoveTriggers : TreeEffect::kInsertTriggers, position_, count_,
                          select};
    }

private:
    ListPlace place_;
    int position_;
    int count_;
    std::vector<std::unique_ptr<Command>> held_;  // the commands while they are out of the list
};

class RemoveSeveral : public EditStep {
public:
    RemoveSeveral(ListPlace place, std::vector<int> positions)
        : place_(place), positions_(std::move(positions)), held_(positions_.size()) {}

    // The references among the triggers taken out stay as they were while
    // they are out; the others are renumbered once, both ways.
    void Redo(Scenario& scenario) override {
        for (std::size_t k = positions_.size(); k-- > 0;) {
            held_[k] = place_.list->Unlink(positions_[k]);
            if (place_.references) place_.references->Removed(*held_[k]);
        }
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n + count(), n, [this](int t) {
                return t - static_cast<int>(std::lower_bound(positions_.begin(), positions_.end(), t) - positions_.begin());
            });
    }
    void Undo(Scenario& scenario) override {
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n, n + count(), [this](int t) {
                for (int removed : positions_)
                    if (removed <= t) ++t;
                return t;
            });
        for (std::size_t k = 0; k < positions_.size(); ++k) {
            Command& command = place_.list->Insert(positions_[k], std::move(held_[k]));
            if (place_.references) place_.references->Added(command);
        }
    }

    TreeEffect Effect(bool undone) const override {
        TreePath select = undone ? ElementPath(place_.path, positions_.front()) : AfterRemoval(place_, positions_.front());
        if (!place_.isTriggerList()) return ContentOf(place_, select);
        return TreeEffect{TreeEffect::kAll, -1, -1, select};
    }

private:
    int count() const { return static_cast<int>(positions_.size()); }

    ListPlace place_;
    std::vector<int> positions_;  // ascending
    std::vector<std::unique_ptr<Command>> held_;
};

class Replace : public EditStep {
public:
    Replace(ListPlace place, int position, std::unique_ptr<Command> other)
        : place_(place), position_(position), other_(std::move(other)) {}

    void Redo(Scenario&) override { Exchange(); }
    void Undo(Scenario&) override { Exchange(); }
    TreeEffect Effect(bool) const override { return ContentOf(place_, ElementPath(place_.path, position_)); }

private:
    void Exchange() {
        std::unique_ptr<Command> current = place_.list->Unlink(position_);
        Command& entered = place_.list->Insert(position_, std::move(other_));
        if (place_.references) {
            place_.references->Removed(*current);
            place_.references->Added(entered);
        }
        other_ = std::move(current);
    }

    ListPlace place_;
    int position_;
    std::unique_ptr<Command> other_;
};

class Swap : public EditStep {
public:
    Swap(ListPlace place, int position, int moved) : place_(place), position_(position), moved_(moved) {}

    void Redo(Scenario& scenario) override { Exchange(scenario); }
    void Undo(Scenario& scenario) override { Exchange(scenario); }

    TreeEffect Effect(bool undone) const override {
        // The moved element stands at the other place after the swap.
        int at = undone ? moved_ : (moved_ == position_ ? position_ + 1 : position_);
        TreePath select = ElementPath(place_.path, at);
        if (!place_.isTriggerList()) return ContentOf(place_, select);
        return TreeEffect{TreeEffect::kSwapTriggers, position_, -1, select};
    }

private:
    void Exchange(Scenario& scenario) {
        std::unique_ptr<Command> second = place_.list->Unlink(position_ + 1);
        place_.list->Insert(position_, std::move(second));
        int n = place_.list->count();
        if (place_.isTriggerList())
            Renumber(scenario, place_, n, n, [p = position_](int t) { return t == p ? p + 1 : t == p + 1 ? p : t; });
    }

    ListPlace place_;
    int position_;
    int moved_;
};

class Move : public EditStep {
public:
    Move(ListPlace from, int fromPosition, ListPlace to, int toPosition)
        : from_(from), fromPosition_(fromPosition), to_(to), toPosition_(toPosition) {}

    void Redo(Scenario& scenario) override { Carry(scenario, from_, fromPosition_, to_, toPosition_); }
    void Undo(Scenario& scenario) override { Carry(scenario, to_, toPosition_, from_, fromPosition_); }

    TreeEffect Effect(bool undone) const override {
        TreePath select = undone ? ElementPath(from_.path, fromPosition_) : ElementPath(to_.path, toPosition_);
        if (from_.isTriggerList())
            return undone ? TreeEffect{TreeEffect::kMoveTrigger, toPosition_, fromPosition_, select}
                          : TreeEffect{TreeEffect::kMoveTrigger, fromPosition_, toPosition_, select};
        if (from_.trigger == to_.trigger) return TreeEffect{TreeEffect::kTrigger, from_.trigger, -1, select};
        return TreeEffect{TreeEffect::kTwoTriggers, from_.trigger, to_.trigger, select};
    }

private:
    // The same command object goes, so the calls that name triggers stay
    // known; only a trigger's own move renumbers them.
    static void Carry(Scenario& scenario, const ListPlace& source, int position, const ListPlace& target, int place) {
        std::unique_ptr<Command> command = source.list->Unlink(position);
        int n = source.list->count() + 1;  // the command is out of its list
        if (source.isTriggerList())
            Renumber(scenario, source, n, n, [position, place](int t) {
                if (t == position) return place;
                int left = t > position ? t - 1 : t;
                return left >= place ? left + 1 : left;
            });
        target.list->Insert(place, std::move(command));
    }

    ListPlace from_;
    int fromPosition_;
    ListPlace to_;
    int toPosition_;
};

// A value of the mission trades places with the other one it held.
template <typename Value>
class Exchange : public EditStep {
public:
    Exchange(Value* target, Value value, TreeEffect::Scope scope, int trigger)
        : target_(target), other_(std::move(value)), scope_(scope), trigger_(trigger) {}

    void Redo(Scenario&) override { std::swap(*target_, other_); }
    void Undo(Scenario&) override { std::swap(*target_, other_); }
    TreeEffect Effect(bool) const override { return TreeEffect{scope_, trigger_, -1, std::nullopt}; }

private:
    Value* target_;
    Value other_;
    TreeEffect::Scope scope_;
    int trigger_;
};

class Compound : public EditStep {
public:
    explicit Compound(std::vector<std::unique_ptr<EditStep>> steps) : steps_(std::move(steps)) {}

    void Redo(Scenario& scenario) override {
        for (auto& step : steps_) step->Redo(scenario);
    }
    void Undo(Scenario& scenario) override {
        for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) (*step)->Undo(scenario);
    }
    // The widest effect of the parts, selecting what the last part selects.
    TreeEffect Effect(bool undone) const override {
        TreeEffect effect;
        for (const auto& step : steps_) {
            TreeEffect part = step->Effect(undone);
            if (part.scope == TreeEffect::kNothing) continue;
            if (effect.scope != TreeEffect::kNothing &&
                (effect.scope != part.scope || effect.trigger != part.trigger || effect.other != part.other ||
                 effect.nodes != part.nodes))
                part.scope = TreeEffect::kAll;
            effect.scope = part.scope;
            effect.trigger = part.trigger;
            effect.other = part.other;
            effect.nodes = part.nodes;
            if (part.select) effect.select = part.select;
        }
        return effect;
    }

private:
    std::vector<std::unique_ptr<EditStep>> steps_;
};

class Selecting : public EditStep {
public:
    Selecting(std::unique_ptr<EditStep> step, std::vector<TreePath> done, std::vector<TreePath> undone)
        : step_(std::move(step)), done_(std::move(done)), undone_(std::move(undone)) {}

    void Redo(Scenario& scenario) override { step_->Redo(scenario); }
    void Undo(Scenario& scenario) override { step_->Undo(scenario); }
    TreeEffect Effect(bool undone) const override {
        TreeEffect effect = step_->Effect(undone);
        const std::vector<TreePath>& paths = undone ? undone_ : done_;
        if (paths.empty()) return effect;
        effect.select = paths.front();
        effect.selectAlso.assign(paths.begin() + 1, paths.end());
        return effect;
    }

private:
    std::unique_ptr<EditStep> step_;
    std::vector<TreePath> done_;
    std::vector<TreePath> undone_;
};

}  // namespace

std::unique_ptr<EditStep> InsertBlockStep(ListPlace place, int position, std::vector<std::unique_ptr<Command>> commands) {
    return std::make_unique<InsertBlock>(place, position, std::move(commands));
}

std::unique_ptr<EditStep> RemoveSeveralStep(ListPlace place, std::vector<int> positions) {
    return std::make_unique<RemoveSeveral>(place, std::move(positions));
}

std::unique_ptr<EditStep> SelectingStep(std::unique_ptr<EditStep> step, std::vector<TreePath> done,
                                        std::vector<TreePath> undone) {
    return std::make_unique<Selecting>(std::move(step), std::move(done), std::move(undone));
}

std::unique_ptr<EditStep> InsertStep(ListPlace place, int position, std::unique_ptr<Command> command) {
    return std::make_unique<InsertOrRemove>(place, position, std::move(command), true);
}

std::unique_ptr<EditStep> RemoveStep(ListPlace place, int position) {
    return std::make_unique<InsertOrRemove>(place, position, nullptr, false);
}

std::unique_ptr<EditStep> ReplaceStep(ListPlace place, int position, std::unique_ptr<Command> command) {
    return std::make_unique<Replace>(place, position, std::move(command));
}

std::unique_ptr<EditStep> SwapStep(ListPlace place, int position, int moved) {
    return std::make_unique<Swap>(place, position, moved);
}

std::unique_ptr<EditStep> MoveStep(ListPlace from, int fromPosition, ListPlace to, int toPosition) {
    return std::make_unique<Move>(from, fromPosition, to, toPosition);
}

std::unique_ptr<EditStep> TimesStep(std::int32_t* target, std::int32_t times, int trigger) {
    return std::make_unique<Exchange<std::int32_t>>(target, times, TreeEffect::kNothing, trigger);
}

std::unique_ptr<EditStep> TextStep(std::string* target, std::string text, TreeEffect::Scope scope, int trigger) {
    return std::make_unique<Exchange<std::string>>(target, std::move(text), scope, trigger);
}

std::unique_ptr<EditStep> PictureStep(std::optional<std::string>* target, std::optional<std::string> picture) {
    return std::make_unique<Exchange<std::optional<std::string>>>(target, std::move(picture), TreeEffect::kNothing, -1);
}

std::unique_ptr<EditStep> CompoundStep(std::vector<std::unique_ptr<EditStep>> steps) {
    return std::make_unique<Compound>(std::move(steps));
}

void EditHistory::Push(std::unique_ptr<EditStep> step) {
    steps_.resize(done_);
    if (saved_ && *saved_ > done_) saved_.reset();  // the saved state can no longer be reached
    steps_.push_back(std::move(step));
    ++done_;
}

EditStep* EditHistory::Undo(Scenario& scenario) {
    if (!CanUndo()) return nullptr;
    EditStep* step = steps_[--done_].get();
    step->Undo(scenario);
    return step;
}

EditStep* EditHistory::Redo(Scenario& scenario) {
    if (!CanRedo()) return nullptr;
    EditStep* step = steps_[done_++].get();
    step->Redo(scenario);
    return step;
}

void EditHistory::Forget() {
    bool modified = Modified();
    Clear();
    if (modified) saved_.reset();
}

void EditHistory::Clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace sced
