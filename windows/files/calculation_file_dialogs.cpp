#include "calculation_file_dialogs.h"

#include "modal.h"
#include "whole_file.h"

#include <QFileDialog>
#include <QFileInfo>

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

} // namespace

FileStep saveCalculationAs(QWidget* parent, const CalculationState& state, const QLocale& locale,
                           const CalculationFileExtension& extension)
{
    const QString path = chooseFile(parent, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return {FileStep::Cancelled, {}};
    try {
        writeFileWhole(path, writeCalculationFile(state, locale, extension));
    } catch (const UserError& error) {
        showCritical(parent, saveTitle,
                     QStringLiteral("Расчет не сохранен в файл %1: %2.\nФайл на диске не изменен.")
                         .arg(fileNameShown(path), error.message()));
        return {FileStep::Failed, path};
    }
    return {FileStep::Done, path};
}

QString chooseCalculationToOpen(QWidget* parent)
{
    return chooseFile(parent, QFileDialog::AcceptOpen);
}

FileStep openCalculationFile(QWidget* parent, const QString& givenPath,
                             const std::function<void(const CalculationFileContents&)>& take)
{
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    try {
        take(readCalculationFile(readRegularFile(path, calculationFileMaxSize)));
    } catch (const UserError& error) {
        showCritical(parent, openTitle,
                     QStringLiteral("Файл %1 не открыт: %2.\nТекущий расчет не изменен.")
                         .arg(fileNameShown(path), error.message()));
        return {FileStep::Failed, path};
    }
    return {FileStep::Done, path};
}
