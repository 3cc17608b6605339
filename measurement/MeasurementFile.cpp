#include "measurement/MeasurementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "measurement/MeasurementError.h"

namespace {

// Closes the descriptor on every way out, a refusal included.
class OpenFile {
public:
    explicit OpenFile(const std::filesystem::path& path)
        // Without O_NONBLOCK, opening a pipe waits until something writes into it.
        : mDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~OpenFile() {
        if (mDescriptor >= 0) ::close(mDescriptor);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int descriptor() const { return mDescriptor; }

private:
    int mDescriptor;
};

std::string mebibytes(std::uintmax_t bytes) {
    return std::to_string(bytes / (std::uintmax_t{1} << 20)) + " MiB";
}

std::string systemReason() {
    return std::strerror(errno);
}

// Reads up to one byte past the limit, so that a file that grew after its size was checked is
// still caught.
std::string readAll(int descriptor, const std::string& name) {
    std::string text;
    char buffer[65536];
    while (text.size() <= kMeasurementFileLimit) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count == 0) return text;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throw MeasurementError(name, 0, "読めません：" + systemReason());
        text.append(buffer, static_cast<std::size_t>(count));
    }
    throw MeasurementError(name, 0,
                           "読んでいる間に " + mebibytes(kMeasurementFileLimit) + " を超えました");
}

}  // namespace

MeasurementFile readMeasurementFile(const std::filesystem::path& path) {
    MeasurementFile file;
    file.name = path.filename().string();
    const OpenFile open(path);
    if (open.descriptor() < 0)
        throw MeasurementError(file.name, 0, "開けません：" + systemReason());
    struct stat status {};
    if (::fstat(open.descriptor(), &status) != 0)
        throw MeasurementError(file.name, 0, "状態を調べられません：" + systemReason());
    if (!S_ISREG(status.st_mode))
        throw MeasurementError(file.name, 0,
                               "通常のファイルではありません（フォルダーやパイプなど）");
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > kMeasurementFileLimit)
        throw MeasurementError(file.name, 0,
                               "ファイルが大きすぎます（" + std::to_string(size) +
                                   " バイト、上限は " + mebibytes(kMeasurementFileLimit) + "）");
    file.text = readAll(open.descriptor(), file.name);
    return file;
}
