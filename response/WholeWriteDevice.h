#pragma once

#include <QIODevice>

// Passes writes on to a file and remembers when one of them was not written whole. A file
// that reaches a size limit takes a write in part and reports no error, and writers that stream
// through a QTextStream (SVG) or a buffer of their own (PDF) never look at what came back; a
// short write then counts as failed, so that the file is not committed cut.
class WholeWriteDevice : public QIODevice {
    Q_OBJECT
public:
    explicit WholeWriteDevice(QIODevice& target);

    bool failed() const { return mFailed; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice& mTarget;
    bool mFailed = false;
};
