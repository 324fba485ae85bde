#include "example_state.h"
#include "failing_disk.h"
#include "glav.h"
#include "interpolation.h"
#include "report_browser.h"
#include "report_document.h"
#include "report_publisher.h"
#include "result_out.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shownText(const Result_Out* window)
{
    auto* browser = window ? window->findChild<ReportBrowser*>(u"WebBrowser1"_s) : nullptr;
    return browser ? browser->toPlainText().trimmed() : QString();
}

int openReportWindows()
{
    const auto windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(),
                             [](QWidget* w) { return w->objectName() == u"Result_Out" && w->isVisible(); }));
}

// A folder that can never be created or written: its parent is a regular file.
QString unwritableFolder(const QTemporaryDir& folder)
{
    QFile blocker(folder.filePath(u"plain-file"_s));
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    return blocker.fileName() + u"/folder"_s;
}

TEST(ResultOut, BrowserFollowsTheWindowSizeInTwips)
{
    struct Row {
        QSize window, browser; // twips; the browser starts at 9615 x 7935
    };
    // clang-format off
    const Row rows[] = {
        {{15000, 10000}, {14850, 9600}}, {{13380, 8985}, {13230, 8585}}, {{150, 400}, {0, 0}},
        {{149, 10000}, {9615, 7935}}, {{15000, 399}, {14850, 7935}}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(browserSizeAfterResize({9615, 7935}, row.window), row.browser) << row.window.width();

    // The tool bar above the client area counts as part of the frame, as a menu bar does.
    Result_Out window;
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), u"Отчет"_s);
    auto* browser = child<ReportBrowser>(&window, u"WebBrowser1"_s);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 641, 529));
    window.show();
    const int bar = child<QWidget>(&window, u"reportToolBar"_s)->height();
    EXPECT_EQ(child<QWidget>(&window, u"client"_s)->geometry(), QRect(0, bar, 892, 599));
    window.resize(1000, 640);
    QApplication::processEvents();
    const QSize outer = window.frameGeometry().size() - QSize(0, bar);
    EXPECT_EQ(browser->geometry(), QRect(0, 0, outer.width() - 10, (outer.height() * 15 - 400 + 7) / 15));
}

// Looks at the viewer at the moment the report window is shown for the first time.
class FirstShowWatcher : public QObject {
  public:
    QString textWhenShown;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == u"Result_Out" && textWhenShown.isNull())
            textWhenShown = shownText(static_cast<Result_Out*>(watched));
        return false;
    }
};

// The document is written in Windows-1251 and the viewer shows it decoded, in one window for every
// publication.
TEST(ReportPublisher, WritesTheDocumentAndShowsItInOneOwnerlessModelessWindow)
{
    QTemporaryDir folder;
    ReportPublisher publisher;
    EXPECT_EQ(publisher.documentFolders().value(0), QCoreApplication::applicationDirPath())
        << "beside the program first";
    publisher.setDocumentFolders({folder.path()});
    FirstShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    publisher.PublishReport(u"<p><p>Р = 1кПа."_s);
    qApp->removeEventFilter(&watcher);
    EXPECT_EQ(readFile(publisher.documentPath()), reportDocument(u"<p><p>Р = 1кПа."_s));
    const QPointer<Result_Out> first = publisher.window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(watcher.textWhenShown, u"Р = 1кПа."_s) << "loaded before shown";
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(first->windowModality(), Qt::NonModal);

    publisher.PublishReport(u"<p><p>Р = 2кПа."_s);
    EXPECT_EQ(publisher.window(), first.data()) << "reloaded in place";
    EXPECT_EQ(shownText(first), u"Р = 2кПа."_s);
    EXPECT_EQ(openReportWindows(), 1);

    first->close();
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(publisher.window(), nullptr);
    publisher.PublishReport(u"b"_s);
    EXPECT_EQ(shownText(publisher.window()), u"b"_s);
    EXPECT_EQ(openReportWindows(), 1);
}

TEST(ReportPublisher, AFailedWriteOpensNoWindow)
{
    QTemporaryDir folder;
    ReportPublisher publisher;
    publisher.setDocumentFolders({unwritableFolder(folder)});
    EXPECT_THROW(publisher.PublishReport(u"x"_s), UserError);
    EXPECT_EQ(publisher.window(), nullptr);
    EXPECT_EQ(openReportWindows(), 0);
}

// Two running copies of the program publish into the same folder, one after the other: each window
// shows the report its own copy wrote, never the other's or an empty one.
TEST(ReportPublisher, TwoCopiesInOneFolderEachShowTheirOwnReport)
{
    QTemporaryDir folder;
    ReportPublisher first;
    ReportPublisher second;
    first.setDocumentFolders({folder.path()});
    second.setDocumentFolders({folder.path()});
    for (int round = 0; round < 20; ++round) {
        const QString number = QString::number(round);
        first.PublishReport(u"<p>первый "_s + number);
        second.PublishReport(u"<p>второй "_s + number);
        EXPECT_EQ(shownText(first.window()), u"первый "_s + number);
        EXPECT_EQ(shownText(second.window()), u"второй "_s + number);
    }
}

const QString ventilationHeading =
    u"<p><h4>1.6 Расчет аварийной вентиляции при пересчете на категорию В1.</h4>"_s;

// The main window in a comma locale, publishing into a folder of its own.
class PublishedReport : public testing::Test {
  protected:
    PublishedReport() { glav.reportPublisher.setDocumentFolders({folder.path()}); }

    QString documentPath() const { return folder.filePath(u"proect.htm"_s); }
    QByteArray document() const { return readFile(documentPath()); }
    QString shown() const { return shownText(glav.reportPublisher.window()); }
    static QByteArray expected(const char* name)
    {
        const QByteArray bytes = readFile(QStringLiteral(EXPECTED_REPORTS "/") + QString::fromLatin1(name));
        EXPECT_FALSE(bytes.isEmpty()) << "missing expected document " << name;
        return bytes;
    }
    void type(std::initializer_list<std::pair<const char*, const char*>> texts)
    {
        for (const auto& [field, text] : texts)
            typeInto(&glav, QString::fromLatin1(field), QString::fromUtf8(text));
    }
    // The worked example: 10 kg of vapour in 100 m3, density 2 kg/m3, Cst 4 %.
    void calculateTheExampleRoom()
    {
        type({{"Text1", "10"}, {"Text3", "100"}, {"Text4", "2"}, {"Text5", "4"}});
        clickButton(&glav, u"Command1"_s);
    }
    // 10 kg of a gas with 45.2 MJ/kg and Z = 0.1: a reduced mass of 10 kg.
    void calculateTheExampleOutdoorInstallation(bool room)
    {
        child<QCheckBox>(&glav, u"Check1"_s)->setChecked(room);
        child<QCheckBox>(&glav, u"Check2"_s)->setChecked(true);
        type({{"Text9", "45,2"}, {"Text1", "10"}, {"Text2", "0,1"}});
        clickButton(&glav, u"Command1"_s);
    }
    static void expectOneCriticalBox(const DialogRecorder& dialogs, const QString& text)
    {
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_TRUE(dialogs.seen[0].text.contains(text)) << dialogs.seen[0].text.toStdString();
        EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::Critical);
        EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
    }

    QTemporaryDir folder;
    Glav glav{commaLocale()};
};

TEST_F(PublishedReport, RoomReportIsTheExpectedDocument)
{
    // What the calculator windows would have left.
    glav.state = calculatorResultsOfTheExample();
    calculateTheExampleRoom();
    EXPECT_EQ(glav.state.EP, 99.875);
    EXPECT_EQ(document(), expected("room_comma.htm"));
    EXPECT_TRUE(shown().contains(u"Р = 99,875кПа."_s));
}

TEST_F(PublishedReport, OutdoorReportIsTheExpectedDocumentAndAloneWhenTheRoomIsCalculatedToo)
{
    glav.state.Em = 10;
    for (const char* unread : {"Text3", "Text4", "Text5", "Text6", "Text7"})
        typeInto(&glav, QString::fromLatin1(unread), QString());
    calculateTheExampleOutdoorInstallation(false);
    EXPECT_NEAR(glav.state.EP, 7.4841, 5e-5);
    EXPECT_EQ(document(), expected("outdoor_comma.htm"));

    type({{"Text3", "100"}, {"Text4", "2"}, {"Text5", "4"}, {"Text6", "3"}, {"Text7", "900"}});
    calculateTheExampleOutdoorInstallation(true);
    EXPECT_EQ(glav.state.Cst, 4) << "the room was calculated too";
    EXPECT_NEAR(glav.state.EP, 7.4841, 5e-5);
    EXPECT_EQ(document(), expected("outdoor_comma.htm"));
}

TEST_F(PublishedReport, VentilationSectionFollowsTheReportOncePerPressUntilTheNextCalculation)
{
    glav.state.M = 58;
    glav.state.Pn = 20;
    glav.state.Fi = 10;
    calculateTheExampleRoom();
    type({{"Text12", "8"}, {"Text11", "20"}});
    clickButton(&glav, u"Command6"_s);
    clickButton(&glav, u"Command8"_s);
    EXPECT_EQ(document(), expected("room_ventilation_comma.htm"));
    clickButton(&glav, u"Command8"_s);
    EXPECT_EQ(document(), expected("room_ventilation_twice_comma.htm"));
    EXPECT_EQ(shown().count(u"1.6 Расчет аварийной вентиляции при пересчете на категорию В1."_s), 2);
    clickButton(&glav, u"Command1"_s);
    EXPECT_FALSE(glav.state.out.contains(ventilationHeading));
    EXPECT_FALSE(document().contains("1.6 "));
}

TEST_F(PublishedReport, VentilationSectionStandsAloneBeforeAnyCalculation)
{
    clickButton(&glav, u"Command8"_s);
    EXPECT_EQ(document(), expected("ventilation_alone_comma.htm"));
    EXPECT_TRUE(glav.state.out.startsWith(ventilationHeading));
}

// A report that cannot be written is not an input error: the user is told which files refused it,
// the calculation stays stored and the report window shows no earlier result beside the new data.
TEST_F(PublishedReport, AFailedPublicationIsToldAndKeepsTheReportBuilt)
{
    calculateTheExampleRoom();
    ASSERT_NE(glav.reportPublisher.window(), nullptr);
    const QString unwritable = unwritableFolder(folder);
    glav.reportPublisher.setDocumentFolders({unwritable});
    {
        DialogRecorder dialogs;
        calculateTheExampleRoom();
        expectOneCriticalBox(dialogs, QDir::toNativeSeparators(unwritable + u"/proect.htm"_s));
        EXPECT_TRUE(dialogs.seen[0].text.startsWith(u"Не удалось записать файл отчета"_s));
    }
    EXPECT_EQ(glav.state.EP, 99.875);
    EXPECT_TRUE(glav.state.out.contains(u"<p>Р = 99,875кПа."_s));
    EXPECT_EQ(shown(), QString()) << "no stale report";

    glav.reportPublisher.setDocumentFolders({folder.path()});
    clickButton(&glav, u"Command1"_s);
    const QString reportBefore = glav.state.out;
    glav.reportPublisher.setDocumentFolders({unwritable});
    DialogRecorder dialogs;
    clickButton(&glav, u"Command8"_s);
    expectOneCriticalBox(dialogs, QDir::toNativeSeparators(unwritable));
    EXPECT_EQ(glav.state.out, reportBefore) << "the ventilation section is not kept";
}

TEST_F(PublishedReport, TheReportOutlivesTheMainWindow)
{
    glav.show();
    calculateTheExampleRoom();
    glav.close();
    QApplication::processEvents();
    ASSERT_NE(glav.reportPublisher.window(), nullptr);
    EXPECT_TRUE(glav.reportPublisher.window()->isVisible());
}

// The print, PDF, HTML and browser actions of the report window, on the worked room example.
class ReportCopies : public PublishedReport {
  protected:
    ReportCopies()
    {
        glav.state = calculatorResultsOfTheExample();
        calculateTheExampleRoom();
    }
    QAction* action(const char* name)
    {
        return child<QAction>(glav.reportPublisher.window(), QString::fromLatin1(name));
    }
    void saveCopy(const char* name, const QString& path)
    {
        dialogs.answerFileDialog = [path](QFileDialog&) { return path; };
        action(name)->trigger();
    }
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished()) << program.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }

    const QString heading =
        u"1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП 12.13130.2009)"_s;
    DialogRecorder dialogs;
};

TEST_F(ReportCopies, PdfIsSearchableA4TextTitledByTheFirstHeading)
{
    for (const char* name : {"print", "pdf", "html", "browser"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_EQ(action("print")->shortcut(), QKeySequence(u"Ctrl+P"_s));
    dialogs.answerFileDialog = [this](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), QStringList{u"PDF (*.pdf)"_s});
        EXPECT_EQ(dialog.defaultSuffix(), u"pdf"_s);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        return folder.filePath(u"room"_s);
    };
    action("pdf")->trigger();
    const QString pdf = folder.filePath(u"room.pdf"_s);
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF-"));
    const QString text = run(u"pdftotext"_s, {pdf, u"-"_s});
    EXPECT_TRUE(text.contains(heading)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Р = 99,875кПа."_s)) << "the user's decimal comma";
    const QString info = run(u"pdfinfo"_s, {pdf});
    EXPECT_TRUE(info.contains(u"Title: "_s + heading)) << info.toStdString();
    EXPECT_TRUE(info.contains(u"CreationDate: "_s));
    EXPECT_TRUE(info.contains(u"(A4)"_s));
    EXPECT_EQ(dialogs.seen.size(), 1u) << "no message";
}

TEST_F(ReportCopies, HtmlCopyDeclaresUtf8AndHoldsTheReportTextWhileTheDocumentStaysAsItWas)
{
    saveCopy("html", folder.filePath(u"report.html"_s));
    const QByteArray html = readFile(folder.filePath(u"report.html"_s));
    EXPECT_EQ(QStringConverter::encodingForHtml(html), QStringConverter::Utf8);
    QTextDocument copy;
    copy.setHtml(QString::fromUtf8(html));
    EXPECT_EQ(copy.toPlainText(), glav.reportPublisher.window()->viewer()->toPlainText());
    EXPECT_EQ(copy.metaInformation(QTextDocument::DocumentTitle), heading);
    EXPECT_EQ(document(), expected("room_comma.htm"));
}

// A copy cut short by a file-size limit, or aimed into a folder that cannot exist, is told by name and
// leaves what was there.
TEST_F(ReportCopies, APdfThatCannotBeWrittenIsToldAndKeepsTheOldFile)
{
    const QString kept = folder.filePath(u"kept.pdf"_s);
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    for (const QString& path : QStringList{kept, unwritableFolder(folder) + u"/report.pdf"_s}) {
        dialogs.seen.clear();
        {
            FileSizeLimit limit(2000);
            saveCopy("pdf", path);
        }
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].icon, QMessageBox::Critical);
        EXPECT_TRUE(dialogs.seen[1].text.contains(u'«' + QDir::toNativeSeparators(path) + u'»'));
    }
    EXPECT_EQ(readFile(kept), "old");
}

} // namespace
