#include "core/warning.h"

namespace sced {

namespace {
WarningSink& Sink() {
    static WarningSink sink;
    return sink;
}
}  // namespace

WarningSink SetWarningSink(WarningSink sink) {
    WarningSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

bool Warn(bool condition, std::string_view text) {
    if (!condition && Sink()) {
        try {
            Sink()(std::string(text));
        } catch (...) {
            // A warning must never end the program.
        }
    }
    return condition;
}

}  // namespace sced
