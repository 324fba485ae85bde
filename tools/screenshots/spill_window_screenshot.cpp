// Renders the spill window with the worked acetone spill (0,2 m3 from the apparatus, 0,001 m3/s for
// 120 s, a pipeline of 50 mm x 10 m, a floor of 72 m2), calculated, to the PNG given on the command line.
#include "form_layout.h"
#include "spill_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    useDesignFont();
    if (argc < 2) {
        QTextStream(stderr) << "usage: spill_window_screenshot <png>" << Qt::endl;
        return 2;
    }
    QWidget opener;
    Spill window(&opener, {24.5457, 58.08, 20, 790}, QLocale(QLocale::Russian, QLocale::Russia));
    const std::pair<const char*, const char*> texts[] = {
        {"apparatusVolume", "0,2"}, {"flowRate", "0,001"}, {"floorArea", "72"}};
    for (const auto& [name, text] : texts)
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("pipelines"));
    table->insertRow(0);
    table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("50")));
    table->setItem(0, 1, new QTableWidgetItem(QStringLiteral("10")));
    window.findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    window.show();
    QApplication::processEvents();
    const QString path = QString::fromLocal8Bit(argv[1]);
    const bool saved = window.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved ? 0 : 1;
}
