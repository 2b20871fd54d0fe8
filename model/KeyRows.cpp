#include "model/KeyRows.h"

#include <iterator>

const std::int32_t kGridLeftEdges[13] = {3,   35,  67,  98,  130, 162, 194,
                                         226, 258, 290, 322, 354, 385};
const std::int32_t kGridRightEdges[13] = {31,  63,  94,  126, 158, 190, 222,
                                          254, 286, 318, 350, 381, 413};
const std::int32_t kGridTopEdges[7] = {33, 65, 97, 129, 160, 193, 224};
const std::int32_t kGridBottomEdges[7] = {61, 93, 125, 156, 188, 220, 252};

LayoutTables tablesFromRows(const std::vector<KeyRow>& rows) {
    LayoutTables tables;
    tables.leftEdges.assign(std::begin(kGridLeftEdges), std::end(kGridLeftEdges));
    tables.rightEdges.assign(std::begin(kGridRightEdges), std::end(kGridRightEdges));
    tables.topEdges.assign(std::begin(kGridTopEdges), std::end(kGridTopEdges));
    tables.bottomEdges.assign(std::begin(kGridBottomEdges), std::end(kGridBottomEdges));
    tables.columnCount = static_cast<std::int32_t>(std::size(kGridLeftEdges));
    tables.rowCount = static_cast<std::int32_t>(rows.size());
    for (const KeyRow& row : rows) {
        for (const KeySpec& key : row) {
            tables.sizes.push_back(key.size);
            tables.codes.push_back(key.code);
            tables.commandFlags.push_back(key.kind == KeyKind::Command ? 1 : 0);
            tables.directFlags.push_back(key.kind == KeyKind::Direct ? 1 : 0);
        }
    }
    return tables;
}
