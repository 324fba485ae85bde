// Draws the building window, opened from the main window with the README's example building and
// its category found, into a PNG file: building_window_screenshot <file.png>
#include "building_file.h"
#include "building_window.h"
#include "form_layout.h"
#include "glav.h"
#include "whole_file.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    useDesignFont();
    if (argc < 2)
        return 2;
    const BuildingDescription example{QStringLiteral("Цех № 2"),
                                      {{QStringLiteral("Окрасочная камера"), 150, RoomCategory::A, false},
                                       {QStringLiteral("Насосная"), 400, RoomCategory::B, true},
                                       {QStringLiteral("Склад тары"), 1200, RoomCategory::V3, false},
                                       {QStringLiteral("Прочие помещения"), 30250, RoomCategory::D, false}}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("цех.pzb"));
    writeFileWhole(path, writeBuildingFile(example));
    Glav glav;
    glav.show();
    glav.openBuildingFile(path);
    QWidget* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("Building"))
            window = widget;
    if (!window)
        return 1;
    window->findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    QApplication::processEvents();
    return window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
