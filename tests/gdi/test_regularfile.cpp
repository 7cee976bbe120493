// ReadRegularFile against its size limit; the kinds of file it refuses are tested with each
// reader that uses it (pictures, the settings file, description files).

#include "platform/gdi/regularfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace gdi {
namespace {

struct LimitRow {
    const char* name;
    qint64 size;
    qint64 limit;
    const char* fault; // nullptr when the file is read
};

void PrintTo(const LimitRow& row, std::ostream* out) {
    *out << row.name;
}

class SizeLimit : public testing::TestWithParam<LimitRow> {};

TEST_P(SizeLimit, ReadsUpToTheLimitOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    const QByteArray content(int(GetParam().size), 'x');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
    file.close();
    QString fault;
    const std::optional<QByteArray> bytes = ReadRegularFile(path, GetParam().limit, fault);
    if (GetParam().fault) {
        EXPECT_FALSE(bytes);
        EXPECT_EQ(fault, QString::fromLatin1(GetParam().fault));
    } else {
        ASSERT_TRUE(bytes) << fault.toStdString();
        EXPECT_EQ(*bytes, content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, SizeLimit,
    testing::Values(LimitRow{"Empty", 0, 10, nullptr}, LimitRow{"AtTheLimit", 10, 10, nullptr},
                    LimitRow{"OneByteOver", 11, 10, "too large (11 bytes, at most 10)"},
                    LimitRow{"LongerThanOneReadPiece", 200000, 200000, nullptr},
                    // Found by fuzzing: the limit was allocated whole for every read.
                    LimitRow{"FewBytesUnderAHugeLimit", 3, qint64(1) << 40, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gdi
