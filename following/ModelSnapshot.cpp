#include "following/ModelSnapshot.h"

std::shared_ptr<const CircuitModel> ModelSnapshot::current() {
    if (mStale || mCopy == nullptr) mCopy = std::make_shared<const CircuitModel>(mLive);
    mStale = false;
    return mCopy;
}
