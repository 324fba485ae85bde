// Draws the substance window, opened from the main window with a search typed, into a PNG file:
// substance_window_screenshot <file.png> [search, "спирт" unless given]
#include "form_layout.h"
#include "glav.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    useDesignFont();
    if (argc < 2)
        return 2;
    Glav glav;
    glav.show();
    glav.findChild<QAction*>(QStringLiteral("substances"))->trigger();
    QWidget* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("Substances"))
            window = widget;
    if (!window)
        return 1;
    const QString search = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("спирт");
    window->findChild<QLineEdit*>(QStringLiteral("search"))->setText(search);
    QApplication::processEvents();
    return window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
