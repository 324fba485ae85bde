#include "calculation_file_dialogs.h"

#include "calculation_file.h"
#include "modal.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString fileSuffix = QStringLiteral("pzr");
const QString suffixPattern = QStringLiteral("*.pzr");
const QString allFiles = QStringLiteral("Все файлы");
const QString allPattern = QStringLiteral("*.*");
const QString calculationFiles = QStringLiteral("Файлы расчета");

const QString saveTitle = QStringLiteral("Сохранение расчета");
const QString openTitle = QStringLiteral("Открытие расчета");

QString nameFilter(const QString& description, const QString& pattern)
{
    return description + QStringLiteral(" (") + pattern + u')';
}

// The chosen file's full path, or an empty string when the user cancelled.
QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, saving ? QStringLiteral("Сохранить как") : QStringLiteral("Открыть"));
    dialog.setObjectName(saving ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({nameFilter(saving ? QStringLiteral("*") : calculationFiles, suffixPattern),
                           nameFilter(allFiles, allPattern)});
    dialog.setDefaultSuffix(fileSuffix);
    if (execModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString saveFailure(const QSaveFile& file)
{
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("в этой папке не удается создать файл");
    case QFileDevice::RenameError:
        return QStringLiteral("не удается заменить прежний файл");
    default:
        return QStringLiteral("ошибка записи на диск");
    }
}

// QSaveFile writes beside the target and renames only after everything is on disk, so a failure at
// any point leaves the previous file as it was. Its buffer is flushed and checked before commit():
// Qt 6.4's commit() ignores a failure of that last flush (a full disk, a file-size limit) and would
// rename the cut temporary file over the target.
void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.error() == QFileDevice::NoError && file.commit())
        return;
    const QString reason = saveFailure(file) + QStringLiteral(" (") + file.errorString() + u')';
    file.cancelWriting();
    throw UserError(reason);
}

QByteArray readWholeFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw UserError(QStringLiteral("файл не найден"));
    // Opening a FIFO would wait for a writer for good, and a device or a folder is no calculation.
    if (!info.isFile())
        throw UserError(QStringLiteral("это не обычный файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("файл недоступен для чтения (") + file.errorString() + u')');
    const QByteArray bytes = file.read(calculationFileMaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("ошибка чтения (") + file.errorString() + u')');
    return bytes;
}

} // namespace

FileStep saveCalculationAs(QWidget* parent, const CalculationState& state, const QLocale& locale)
{
    const QString path = chooseFile(parent, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return {FileStep::Cancelled, {}};
    try {
        writeWholeFile(path, writeCalculationFile(state, locale));
    } catch (const UserError& error) {
        showCritical(parent, saveTitle,
                     QStringLiteral("Расчет не сохранен в файл «%1»: %2.\nФайл на диске не изменен.")
                         .arg(QDir::toNativeSeparators(path), error.message()));
        return {FileStep::Failed, path};
    }
    return {FileStep::Done, path};
}

QString chooseCalculationToOpen(QWidget* parent)
{
    return chooseFile(parent, QFileDialog::AcceptOpen);
}

FileStep openCalculationFile(QWidget* parent, CalculationState& state, const QString& givenPath)
{
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    try {
        applyCalculationFile(readCalculationFile(readWholeFile(path)), state);
    } catch (const UserError& error) {
        showCritical(parent, openTitle,
                     QStringLiteral("Файл «%1» не открыт: %2.\nТекущий расчет не изменен.")
                         .arg(QDir::toNativeSeparators(path), error.message()));
        return {FileStep::Failed, path};
    }
    return {FileStep::Done, path};
}
