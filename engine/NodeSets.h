#pragma once

#include <vector>

// Points joined to one another, directly or through any chain of joins, end up in one set
// (union-find). Points are numbered 0..count-1.
class NodeSets {
public:
    explicit NodeSets(int count);

    void join(int a, int b);
    // The set's representative: equal for two points exactly when they are joined.
    int find(int point);
    bool joined(int a, int b) { return find(a) == find(b); }

private:
    std::vector<int> mParent;
};
