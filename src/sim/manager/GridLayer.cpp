#include "sim/manager/GridLayer.h"

#include "sim/manager/IndexEntry.h"

#include <algorithm>

void GridLayer::insert(IndexEntry& entry) {
    members.push_back(&entry);
    cells[entry.cell].push_back(&entry);
}

void GridLayer::erase(IndexEntry& entry) {
    const auto found =
        std::lower_bound(members.begin(), members.end(), entry.order,
                         [](const IndexEntry* member, uint64_t order) { return member->order < order; });
    if (found != members.end() && *found == &entry)
        members.erase(found);
    leaveCell(entry);
}

void GridLayer::changeCell(IndexEntry& entry, int cell) {
    leaveCell(entry);
    cells[cell].push_back(&entry);
}

void GridLayer::refile(std::size_t cellCount) {
    cells.assign(cellCount, {});
    for (IndexEntry* member : members)
        cells[member->cell].push_back(member);
}

void GridLayer::leaveCell(IndexEntry& entry) {
    // The order within a cell means nothing: ties are settled by the list order.
    std::vector<IndexEntry*>& list = cells[entry.cell];
    const auto found = std::find(list.begin(), list.end(), &entry);
    if (found == list.end())
        return;
    *found = list.back();
    list.pop_back();
}
