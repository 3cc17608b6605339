#include "toolkit/SaveFile.h"

#include "toolkit/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

void reportFailure(QWidget* parent, const QString& path, const QString& reason) {
    showCriticalMessage(parent, QStringLiteral("保存できませんでした。\n%1\n理由：%2")
                                    .arg(QDir::toNativeSeparators(path), reason));
}

// "CSV (*.csv)" -> "csv"; empty for a filter without a suffix.
QString suffixOf(const QString& filter) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\*\\.([A-Za-z0-9]+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

std::optional<QString> writeWhole(const QString& path,
                                  const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    // Unbuffered: Qt 6.4's commit ignores a failure of the final flush of buffered data and
    // would put a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (!write(file)) {
        // Not committed: the temporary file goes, the old file stays as it was. A device error
        // is the better reason; a writer can also fail on its own (an image encoder).
        return file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QStringLiteral("書き込みに失敗しました");
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

bool saveFile(QWidget* parent, const QString& path, const std::function<bool(QIODevice&)>& write) {
    const std::optional<QString> failure = writeWhole(path, write);
    if (failure) reportFailure(parent, path, *failure);
    return !failure;
}

bool saveBytes(QWidget* parent, const QString& path, const QByteArray& bytes) {
    return saveFile(parent, path,
                    [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

QString askSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& folder) {
    QFileDialog dialog(parent, title, folder.isEmpty() ? documentsFolder() : folder, filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(fileName);
    // The dialog adds the default suffix before it asks about overwriting, so the question is
    // about the file that will really be written.
    dialog.setDefaultSuffix(suffixOf(filter));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}
