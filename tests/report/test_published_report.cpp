#include "glav.h"
#include "report_browser.h"
#include "report_publisher.h"
#include "result_out.h"
#include "window_test.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString inputErrorText = QStringLiteral("Ошибка ввода данных!");
const QString inputErrorTitle = QStringLiteral(" ");
const QString ventilationHeading =
    QStringLiteral("<p><h4>1.6 Расчет аварийной вентиляции при пересчете на категорию В1.</h4>");

// What a viewer shows of an HTML fragment: the text without its tags.
QString withoutTags(const QString& html)
{
    return QString(html).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray expectedDocument(const char* name)
{
    const QByteArray bytes = readFile(QStringLiteral(EXPECTED_REPORTS "/") + QString::fromLatin1(name));
    EXPECT_FALSE(bytes.isEmpty()) << "missing expected document " << name;
    return bytes;
}

} // namespace

// The main window in a comma locale, publishing into a folder of its own.
class PublishedReport : public testing::Test {
  protected:
    PublishedReport() { glav.reportPublisher.setDocumentPath(documentPath()); }

    QString documentPath() const { return folder.filePath(QStringLiteral("proect.htm")); }
    QByteArray document() const { return readFile(documentPath()); }
    QString shownText() const
    {
        Result_Out* window = glav.reportPublisher.window();
        auto* browser = window ? window->findChild<ReportBrowser*>(QStringLiteral("WebBrowser1")) : nullptr;
        return browser ? browser->toPlainText() : QString();
    }
    void setBoxes(bool room, bool outdoor)
    {
        child<QCheckBox>(&glav, QStringLiteral("Check1"))->setChecked(room);
        child<QCheckBox>(&glav, QStringLiteral("Check2"))->setChecked(outdoor);
    }
    // The room of the worked example: 10 kg of vapour in 100 m3, density 2 kg/m3, Cst 4 %.
    void typeTheExampleRoom()
    {
        typeInto(&glav, QStringLiteral("Text1"), QStringLiteral("10"));
        typeInto(&glav, QStringLiteral("Text3"), QStringLiteral("100"));
        typeInto(&glav, QStringLiteral("Text4"), QStringLiteral("2"));
        typeInto(&glav, QStringLiteral("Text5"), QStringLiteral("4"));
    }
    // 10 kg of a gas with 45.2 MJ/kg, Z = 0.1: a reduced mass of 10 kg.
    void typeTheExampleOutdoorInstallation()
    {
        typeInto(&glav, QStringLiteral("Text9"), QStringLiteral("45,2"));
        typeInto(&glav, QStringLiteral("Text1"), QStringLiteral("10"));
        typeInto(&glav, QStringLiteral("Text2"), QStringLiteral("0,1"));
    }
    void runVentilation(const QString& airChanges, const QString& length)
    {
        typeInto(&glav, QStringLiteral("Text12"), airChanges);
        typeInto(&glav, QStringLiteral("Text11"), length);
        clickButton(&glav, QStringLiteral("Command6"));
    }

    QTemporaryDir folder;
    Glav glav{commaLocale()};
};

TEST_F(PublishedReport, RoomReportIsTheExpectedDocument)
{
    CalculationState& s = glav.state;
    s.A = 6.37551;
    s.B = 1281.721;
    s.C = 237.088;
    s.Pn = 46.0123;
    s.M = 58.08;
    s.pl = 2.2815;
    s.n = 1;
    s.Fi = 50;
    s.Em = 10.5;
    s.nC = 3;
    s.nH = 6;
    s.nO = 1;
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));

    EXPECT_EQ(s.EP, 99.875);
    EXPECT_EQ(document(), expectedDocument("room_comma.htm"));
    EXPECT_TRUE(shownText().contains(withoutTags(QStringLiteral("<p>Р = 99,875кПа."))));
    EXPECT_TRUE(shownText().contains(
        withoutTags(QStringLiteral("<p><h4>Так как давление взрыва больше 5 кПа, то данное помещение следует "
                                   "отнести к категории А.</h4>"))));
}

TEST_F(PublishedReport, OutdoorReportIsTheExpectedDocument)
{
    glav.state.Em = 10;
    setBoxes(false, true);
    for (const char* unread : {"Text3", "Text4", "Text5", "Text6", "Text7"})
        typeInto(&glav, QString::fromLatin1(unread), QString());
    typeTheExampleOutdoorInstallation();
    clickButton(&glav, QStringLiteral("Command1"));

    EXPECT_NEAR(glav.state.Mpr, 10, 1e-12);
    EXPECT_NEAR(glav.state.EP, 7.4841, 5e-5);
    EXPECT_EQ(document(), expectedDocument("outdoor_comma.htm"));
}

TEST_F(PublishedReport, WithBothBoxesTheOutdoorReportIsPublishedAlone)
{
    glav.state.Em = 10;
    setBoxes(true, true);
    typeTheExampleRoom();
    typeTheExampleOutdoorInstallation();
    clickButton(&glav, QStringLiteral("Command1"));

    EXPECT_EQ(document(), expectedDocument("outdoor_comma.htm"));
    EXPECT_NEAR(glav.state.EP, 7.4841, 5e-5);
    EXPECT_EQ(glav.state.Vsv, 100);
    EXPECT_EQ(glav.state.Cst, 4);
}

TEST_F(PublishedReport, VentilationSectionFollowsTheRoomReportOncePerPress)
{
    glav.state.M = 58;
    glav.state.Pn = 20;
    glav.state.Fi = 10;
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    runVentilation(QStringLiteral("8"), QStringLiteral("20"));

    clickButton(&glav, QStringLiteral("Command8"));
    EXPECT_EQ(document(), expectedDocument("room_ventilation_comma.htm"));
    clickButton(&glav, QStringLiteral("Command8"));
    EXPECT_EQ(document(), expectedDocument("room_ventilation_twice_comma.htm"));
    EXPECT_EQ(shownText().count(withoutTags(QStringLiteral("<p>Qвент = n * Vсв, м<sup>3</sup>/час;"))), 2);
}

TEST_F(PublishedReport, ANewCalculationDropsTheVentilationSection)
{
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    clickButton(&glav, QStringLiteral("Command8"));
    ASSERT_TRUE(glav.state.out.contains(ventilationHeading));
    clickButton(&glav, QStringLiteral("Command1"));
    EXPECT_FALSE(glav.state.out.contains(ventilationHeading));
    EXPECT_FALSE(document().contains("1.6 "));
}

TEST_F(PublishedReport, VentilationSectionStandsAloneBeforeAnyCalculation)
{
    clickButton(&glav, QStringLiteral("Command8"));
    EXPECT_EQ(document(), expectedDocument("ventilation_alone_comma.htm"));
    EXPECT_TRUE(glav.state.out.startsWith(ventilationHeading));
}

TEST_F(PublishedReport, AFailedPublicationOfTheCalculationIsAnInputError)
{
    QFile blocker(folder.filePath(QStringLiteral("plain-file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    glav.reportPublisher.setDocumentPath(blocker.fileName() + QStringLiteral("/proect.htm"));
    typeTheExampleRoom();
    DialogRecorder dialogs;
    clickButton(&glav, QStringLiteral("Command1"));

    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].text, inputErrorText);
    EXPECT_EQ(dialogs.seen[0].title, inputErrorTitle);
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(glav.state.EP, 99.875) << "the calculation itself succeeded";
    EXPECT_TRUE(glav.state.out.contains(QStringLiteral("<p>Р = 99,875кПа.")));
    EXPECT_EQ(glav.reportPublisher.window(), nullptr);
}

TEST_F(PublishedReport, AFailedPublicationOfTheVentilationSectionNamesTheFileAndKeepsTheReport)
{
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    const QString reportBefore = glav.state.out;
    const QString shownBefore = shownText();
    QFile blocker(folder.filePath(QStringLiteral("plain-file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString impossible = blocker.fileName() + QStringLiteral("/proect.htm");
    glav.reportPublisher.setDocumentPath(impossible);
    DialogRecorder dialogs;
    clickButton(&glav, QStringLiteral("Command8"));

    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(dialogs.seen[0].text.contains(QDir::toNativeSeparators(impossible)));
    EXPECT_EQ(glav.state.out, reportBefore);
    EXPECT_EQ(shownText(), shownBefore);
}

TEST_F(PublishedReport, TheReportOutlivesTheMainWindow)
{
    glav.show();
    typeTheExampleRoom();
    clickButton(&glav, QStringLiteral("Command1"));
    glav.close();
    QApplication::processEvents();
    ASSERT_NE(glav.reportPublisher.window(), nullptr);
    EXPECT_TRUE(glav.reportPublisher.window()->isVisible());
    EXPECT_TRUE(glav.isEnabled());
}
