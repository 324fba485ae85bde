// Draws the fire-load window, opened from the main window with the auditorium example calculated,
// into a PNG file: fire_load_window_screenshot <file.png>
#include "fire_load_window.h"
#include "form_layout.h"
#include "glav.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    useDesignFont();
    if (argc < 2)
        return 2;
    Glav glav;
    glav.show();
    FireLoad* window = glav.openFireLoad();
    window->findChild<QLineEdit*>(QStringLiteral("roomName"))->setText(QStringLiteral("Аудитория 214"));
    auto* sites = window->findChild<QTableWidget*>(QStringLiteral("sites"));
    auto* materials = window->findChild<QTableWidget*>(QStringLiteral("materials"));
    sites->item(0, 0)->setText(QStringLiteral("Зал"));
    sites->item(0, 1)->setText(QStringLiteral("100"));
    sites->item(0, 2)->setText(QStringLiteral("3"));
    window->findChild<QAbstractButton*>(QStringLiteral("addMaterial"))->click();
    window->findChild<QAbstractButton*>(QStringLiteral("addMaterial"))->click();
    materials->item(0, 0)->setText(
        QStringLiteral("Древесина: мебель в жилых и административных зданиях (влажность 8–10 %)"));
    materials->item(0, 1)->setText(QStringLiteral("600"));
    materials->item(1, 0)->setText(QStringLiteral("Бумага: книги, журналы"));
    materials->item(1, 1)->setText(QStringLiteral("10"));
    window->findChild<QAbstractButton*>(QStringLiteral("calculate"))->click();
    QApplication::processEvents();
    return window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
