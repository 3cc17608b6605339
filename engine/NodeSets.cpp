#include "engine/NodeSets.h"

#include <numeric>

NodeSets::NodeSets(int count) : mParent(count) {
    std::iota(mParent.begin(), mParent.end(), 0);
}

void NodeSets::join(int a, int b) {
    mParent[find(a)] = find(b);
}

int NodeSets::find(int point) {
    // Path halving keeps the chains short without recursion.
    while (mParent[point] != point) {
        mParent[point] = mParent[mParent[point]];
        point = mParent[point];
    }
    return point;
}
