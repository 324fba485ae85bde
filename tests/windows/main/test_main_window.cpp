#include "glav.h"
#include "window_dump.h"
#include "window_test.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {

// The main window in a comma locale, shown, with message boxes recorded.
class MainWindow : public testing::Test {
  protected:
    MainWindow() { glav.show(); }
    ~MainWindow() override { flushDeletes(); }

    void expectOneBox(const QString& title, const QString& text, QMessageBox::Icon icon)
    {
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].title, title);
        EXPECT_TRUE(dialogs.seen[0].text.startsWith(text)) << dialogs.seen[0].text.toStdString();
        EXPECT_EQ(dialogs.seen[0].icon, icon);
        dialogs.seen.clear();
    }

    Glav glav{commaLocale()};
    DialogRecorder dialogs;
};

TEST_F(MainWindow, LooksAsDesignedWithItsFileAndServiceMenus)
{
    expectWindowDump(glav, QStringLiteral(EXPECTED "/main/expected/glav.txt"));
}

TEST_F(MainWindow, VersionBoxShowsTheProjectVersionWithoutIcon)
{
    child<QAction>(&glav, u"ver"_s)->trigger();
    expectOneBox(QGuiApplication::applicationDisplayName(),
                 QStringLiteral("Версия " OVERPRESSURE_VERSION "\r\n"), QMessageBox::NoIcon);
}

TEST_F(MainWindow, AnInputErrorOrNoCalculationTypeIsToldAndPublishesNothing)
{
    typeFields(&glav, {{"Text1", "10"}, {"Text3", ""}, {"Text4", "2"}, {"Text5", "4"}});
    clickButton(&glav, "Command1");
    expectOneBox(u" "_s, u"Ошибка ввода данных!"_s, QMessageBox::Critical);
    clickButton(&glav, "Check1");
    clickButton(&glav, "Command1");
    expectOneBox(QString(), u"Ошибка!"_s, QMessageBox::Critical);
    EXPECT_EQ(glav.reportWindow(), nullptr);
    EXPECT_TRUE(glav.state().out.isEmpty());
}

} // namespace
