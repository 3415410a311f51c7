#include "model/page_table.h"

namespace sced {

PageTable& Pages() {
    static PageTable table;
    return table;
}

}  // namespace sced
