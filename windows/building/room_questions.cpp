#include "room_questions.h"

#include "modal.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

QString chooseRoomFile(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Добавить помещение из файла"));
    dialog.setObjectName(QStringLiteral("roomFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("Расчеты и пожарная нагрузка (*.pzr *.pzv)"), QStringLiteral("Файлы расчета (*.pzr)"),
         QStringLiteral("Файлы пожарной нагрузки (*.pzv)"), QStringLiteral("Все файлы (*)")});
    if (execModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

RoomFileKind roomFileKind(const QString& path)
{
    return QFileInfo(path).suffix().compare(u"pzv", Qt::CaseInsensitive) == 0 ? RoomFileKind::FireLoad
                                                                              : RoomFileKind::Calculation;
}

std::optional<RoomCategory> askRoomCategory(QWidget* parent, const QString& note,
                                            const std::vector<RoomCategory>& choices)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("categoryQuestion"));
    dialog.setWindowTitle(QStringLiteral("Категория помещения"));
    dialog.setLabelText(note);
    QStringList texts;
    for (RoomCategory category : choices)
        texts << roomCategoryText(category);
    dialog.setComboBoxItems(texts);
    dialog.setComboBoxEditable(false);
    if (execModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const std::optional<RoomCategory> chosen = roomCategoryFromText(dialog.textValue());
    return chosen && texts.contains(dialog.textValue()) ? chosen : std::nullopt;
}

std::optional<QString> askRoomArea(QWidget* parent, const QString& roomName)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("areaQuestion"));
    dialog.setWindowTitle(QStringLiteral("Площадь помещения"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(QStringLiteral("Площадь помещения «") + roomName + QStringLiteral("», м²:"));
    if (execModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString chooseBuildingFile(QWidget* parent, bool saving)
{
    QFileDialog dialog(parent,
                       saving ? QStringLiteral("Сохранить здание") : QStringLiteral("Открыть здание"));
    dialog.setObjectName(saving ? QStringLiteral("saveBuildingDialog")
                                : QStringLiteral("openBuildingDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Файлы здания (*.pzb)"), QStringLiteral("Все файлы (*)")});
    dialog.setDefaultSuffix(QStringLiteral("pzb"));
    if (execModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
