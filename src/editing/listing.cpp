#include "editing/listing.h"

#include "core/file_write.h"
#include "core/string_table.h"
#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

class ListingWriter {
public:
    explicit ListingWriter(const Scenario& scenario) : scenario_(scenario) {}

    std::string Write() {
        out_ += Lookup("txtMissTitle") + ": " + scenario_.title + "\n" + Lookup("txtMissDescr") + ": " +
                scenario_.description + "\n\n";
        for (const auto& entry : scenario_.triggers) {
            const auto* trigger = dynamic_cast<const CommandBlock*>(entry.get());
            if (!trigger) continue;
            out_ += Lookup("txtTrigger") + ": " + trigger->text + "\n" + Lookup("txtCONDITION") + ":\n";
            Conditions(trigger->conditions, 0);
            out_ += Lookup("txtACTION") + ":\n";
            Commands(trigger->actions, 0);
            out_ += "\n";
        }
        return std::move(out_);
    }

private:
    void Indent(int n) { out_.append(static_cast<std::size_t>(n), '\t'); }

    void Conditions(const ConditionList& conditions, int indent) {
        if (conditions.list.empty()) {
            Indent(indent);
            out_ += Lookup("txtALWAYS") + "\n";
            return;
        }
        Commands(conditions.list, indent);
    }

    void Commands(const CommandSeq& commands, int indent) {
        for (const auto& command : commands) {
            Indent(indent);
            if (const auto* ifBlock = dynamic_cast<const IfBlock*>(command.get())) {
                out_ += "- " + Lookup("txtIF") + "\n";
                Conditions(ifBlock->conditions, indent + 1);
                out_ += Lookup("txtTHEN") + "\n";
                Commands(ifBlock->thenCommands, indent + 1);
                if (!ifBlock->elseCommands.empty()) {
                    out_ += Lookup("txtELSE") + "\n";
                    Commands(ifBlock->elseCommands, indent + 1);
                }
                continue;
            }
            out_ += "- " + CallLine(*command) + "\n";
        }
    }

    // The caption form for page and objective calls, the sentence otherwise.
    std::string CallLine(const Command& command) const {
        const auto* call = dynamic_cast<const TermCommand*>(&command);
        const Template* function = call ? call->function : nullptr;
        if (!function || function->argCount == 0 || call->argCount == 0) return command.text;
        const std::string& group = function->argGroup[0];
        if (group == "pages")
            return function->listText + " \"" + (call->page ? call->page->body : std::string()) + "\"";
        if (group == "objectives") {
            const StringList& objectives = scenario_.objectGroups.GetGroup("objectives");
            std::string name = objectives.Contains(call->args[0]) ? objectives[call->args[0]] : std::string();
            return function->listText + " \"" + name + "\"";
        }
        return command.text;
    }

    const Scenario& scenario_;
    std::string out_;
};

}  // namespace

std::string ListingText(const Scenario& scenario) { return ListingWriter(scenario).Write(); }

bool WriteListing(const Scenario& scenario, const std::filesystem::path& path) {
    return WriteFileAtomically(path, WithCrLf(ListingText(scenario)));
}

}  // namespace sced
