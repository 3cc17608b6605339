#include "response/WholeWriteDevice.h"

WholeWriteDevice::WholeWriteDevice(QIODevice& target) : mTarget(target) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WholeWriteDevice::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 WholeWriteDevice::writeData(const char* data, qint64 size) {
    if (mFailed) return -1;
    if (mTarget.write(data, size) != size) {
        mFailed = true;
        return -1;
    }
    return size;
}
