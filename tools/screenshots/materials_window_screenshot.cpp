// Draws the materials window of the fire-load window, with one own material, into a PNG file:
// materials_window_screenshot <file.png>. Uses the user's data folder: run it with XDG_DATA_HOME
// pointing to a scratch folder.
#include "fire_load_window.h"
#include "form_layout.h"
#include "glav.h"
#include "own_materials.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTableWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("overpressure"));
    useDesignFont();
    if (argc < 2)
        return 2;
    changeOwnMaterials(ownMaterialsPath(), [](std::vector<Material>& rows) {
        if (rows.empty())
            addOwnMaterial(rows, {QStringLiteral("Ковролин (полиамид)"),
                                  25.5,
                                  {},
                                  QStringLiteral("паспорт изделия"),
                                  {},
                                  {},
                                  true});
    });
    Glav glav;
    glav.show();
    FireLoad* fireLoad = glav.openFireLoad();
    fireLoad->findChild<QAbstractButton*>(QStringLiteral("ownMaterials"))->click();
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("Materials"))
            window = top;
    auto* list = window->findChild<QTableWidget*>(QStringLiteral("list"));
    list->setCurrentCell(list->rowCount() - 1, 0);
    QApplication::processEvents();
    return window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
