#pragma once

#include <cstddef>
#include <vector>

class IndexEntry;

// The objects of one kind: all of them in list order, and those standing in each grid cell.
class GridLayer {
public:
    explicit GridLayer(std::size_t cellCount) : cells(cellCount) {}

    // Entries arrive in list order, so appending keeps the members sorted.
    void insert(IndexEntry& entry);
    void erase(IndexEntry& entry);
    // Moves the entry from the cell it records to `cell`; the caller records the new cell once
    // every layer has moved it.
    void changeCell(IndexEntry& entry, int cell);
    // `cellCount` empty cells, then every member filed again by the cell it records.
    void refile(std::size_t cellCount);

    const std::vector<IndexEntry*>& getMembers() const { return members; }
    const std::vector<IndexEntry*>& cell(int index) const { return cells[index]; }

private:
    void leaveCell(IndexEntry& entry);

    std::vector<IndexEntry*> members;
    std::vector<std::vector<IndexEntry*>> cells;
};
