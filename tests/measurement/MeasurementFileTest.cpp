#include "measurement/MeasurementFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "measurement/MeasurementCsv.h"
#include "measurement/MeasurementError.h"
#include "measurement/TouchstoneReader.h"

namespace {

namespace fs = std::filesystem;

class MeasurementFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string dir = (fs::temp_directory_path() / "selvoria-measurement-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        mFolder = dir;
    }
    void TearDown() override { fs::remove_all(mFolder); }

    fs::path mFolder;
};

std::string reasonFor(const fs::path& path) {
    try {
        readMeasurementFile(path);
    } catch (const MeasurementError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_EQ(e.file(), path.filename().string());
        return e.reason();
    }
    return "read";
}

TEST_F(MeasurementFileTest, RefusesWhatIsNoSmallRegularFile) {
    const fs::path pipe = mFolder / "pipe.s1p";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Sparse: the size is there without writing 64 MiB.
    const fs::path large = mFolder / "large.csv";
    std::ofstream(large).close();
    fs::resize_file(large, kMeasurementFileLimit + 1);
    const fs::path atLimit = mFolder / "limit.csv";
    std::ofstream(atLimit).close();
    fs::resize_file(atLimit, kMeasurementFileLimit);

    EXPECT_NE(reasonFor(pipe).find("通常のファイルではありません"), std::string::npos);
    EXPECT_NE(reasonFor(mFolder).find("通常のファイルではありません"), std::string::npos);
    EXPECT_NE(reasonFor(mFolder / "missing.s1p").find("開けません"), std::string::npos);
    const std::string tooLarge = reasonFor(large);
    EXPECT_NE(tooLarge.find("大きすぎます"), std::string::npos);
    EXPECT_NE(tooLarge.find(std::to_string(kMeasurementFileLimit + 1) + " バイト"),
              std::string::npos);
    EXPECT_EQ(readMeasurementFile(atLimit).text.size(), kMeasurementFileLimit);
}

// The shortest digits that read back as the same doubles (0.1 + 0.2 is not 0.3).
TEST_F(MeasurementFileTest, CsvReadsBackToTheSameDoubles) {
    const fs::path path = mFolder / "round.s1p";
    std::ofstream(path) << "# Hz Z RI R 1\n1e-3 0.1 -0.30000000000000004\n3 1e300 -2.5e-300\n";
    const Measurement m = readTouchstoneFile(path);
    EXPECT_EQ(m.name, "round.s1p");
    const std::string csv = measurementCsv(m);
    EXPECT_EQ(csv,
              "frequency_Hz,re_ohm,im_ohm\n0.001,0.1,-0.30000000000000004\n3,1e+300,-2.5e-300\n");
}

}  // namespace
