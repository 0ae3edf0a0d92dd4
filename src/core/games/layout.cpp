#include "games/layout.h"

std::string ViewName(const ViewRow& row, int number) {
    if (row.count == 1 && !row.numbered) return row.name;
    return row.name + std::to_string(number);
}
